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

// Both of the above over the points 0..k from one computation of the centred sums.
StatisticsFound computeStatistics(CorrStatistics &stats, const DataSeries &points, int k);

// Pearson's r from the terms; only meaningful after computeCorrelationTerms returned true.
double correlationCoefficient(const CorrStatistics &stats);
