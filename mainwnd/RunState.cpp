#include "mainwnd/RunState.h"

RunState::RunState()
{
    reallocatePointArrays();
    firstRowPlotSpeed.assign(1, 0.0);
    reallocateTeachArrays();
}

void RunState::reallocatePointArrays()
{
    // Fresh blocks, zero-filled: nothing may ever read the previous run's values by accident.
    dataX.assign(kPointCapacity, 0.0);
    dataY.assign(kPointCapacity, 0.0);
    dataDirection.assign(kPointCapacity, 0.0);
    firstRowInterpSpeed.assign(1, 0.0);
}

void RunState::reallocateTeachArrays()
{
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

RunState &runState()
{
    static RunState state;
    return state;
}
