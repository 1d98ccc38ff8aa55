#pragma once

struct RunState;

// Least-squares line over the points 0..k: sets meanX, meanY, regressionSlope and
// regressionIntercept. False, with slope 0 and intercept meanY, when there is no line: no points,
// or all X values equal (a zero denominator).
bool computeRegression(RunState &state, int k);

// Pearson terms over the points 0..k: sets corrSxy, corrRootSxx, corrRootSyy. True when the
// coefficient exists, that is with spread in both X and Y; false computes nothing for k < 0.
bool computeCorrelationTerms(RunState &state, int k);

// Pearson's r from the terms; only meaningful after computeCorrelationTerms returned true.
double correlationCoefficient(const RunState &state);
