#include "mainwnd/RunState.h"

RunState::RunState() { reallocateAllArrays(); }

void RunState::reallocatePointArrays()
{
    dataX.assign(kPointCapacity, 0.0);
    dataY.assign(kPointCapacity, 0.0);
    dataDirection.assign(kPointCapacity, 0.0);
    firstRowInterpSpeed.assign(1, 0.0);
}

void RunState::reallocateAllArrays()
{
    reallocatePointArrays();
    firstRowPlotSpeed.assign(1, 0.0);
    teachX.assign(kPointCapacity, 0.0);
    teachY.assign(kPointCapacity, 0.0);
}

void RunState::releaseSplineBuffers()
{
    splineKnots = {};
    splineBasis = {};
    splineMatrix = {};
    splineControlX = {};
    splineControlY = {};
    splinePivot = {};
    splineRowScale = {};
}
