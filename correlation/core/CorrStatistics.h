#pragma once

#include "data/DataSeries.h"

// The statistics of the points drawn so far.
struct CorrStatistics
{
    double meanX = 0.0, meanY = 0.0;
    double slope = 0.0, intercept = 0.0;
    double sxy = 0.0, rootSxx = 0.0, rootSyy = 0.0;
};

// Least-squares line over the points 0..k: sets meanX, meanY, slope and intercept. False, with
// slope 0 and intercept meanY, when there is no line: no points, or all X values equal (a zero
// denominator).
bool computeRegression(CorrStatistics &stats, const DataSeries &points, int k);

// Pearson terms over the points 0..k: sets sxy, rootSxx, rootSyy. True when the coefficient
// exists, that is with spread in both X and Y; false computes nothing for k < 0.
bool computeCorrelationTerms(CorrStatistics &stats, const DataSeries &points, int k);

struct StatisticsFound
{
    bool line = false; // computeRegression's answer
    bool coefficient = false; // computeCorrelationTerms's answer
};

// The first pass's sums over points 0..last (the means come from them), kept from one call to
// the next so that a run adding a point per tick adds just that point. Start afresh (assign {})
// whenever the points are read again.
struct RunningSums
{
    const double *x = nullptr, *y = nullptr; // the arrays summed
    int last = -1;
    double sumX = 0.0, sumY = 0.0;
    bool allXEqual = true, allYEqual = true;
};

// Both of the above over the points 0..k from one computation of the centred sums; with
// `carried`, the first pass goes on from the sums it holds. The results are the same either way,
// bit for bit.
StatisticsFound computeStatistics(
    CorrStatistics &stats, const DataSeries &points, int k, RunningSums *carried = nullptr);

// Pearson's r from the terms; only meaningful after computeCorrelationTerms returned true.
double correlationCoefficient(const CorrStatistics &stats);
