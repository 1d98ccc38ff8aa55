#pragma once

// The correlation diagram's state: the points read, the frame they are drawn in, the statistics
// of the points drawn so far, and the slider's marker.

#include "correlation/core/CorrFrame.h"
#include "correlation/core/CorrStatistics.h"
#include "data/ColumnHeadings.h"
#include "data/DataSeries.h"

#include <array>
#include <string>

struct CorrelationModel
{
    DataSeries points;
    CorrFrame frame;
    CorrStatistics stats;
    RunningSums runningSums; // of the points read, carried from tick to tick
    ColumnHeadings titles; // drawn beside the axes; empty when the setup draws none
    int lastPointX = 0, lastPointY = 0; // the point drawn last, drawn as a circle at the next tick
    bool sliderMode = false;
    bool sliderFirstMarker = false; // no marker is drawn yet to be taken away
    int sliderMarkerX = 0, sliderMarkerY = 0;
    // The read-outs standing on the overlay (r, mean X, mean Y); empty after it was cleared.
    std::array<std::string, 3> readoutsShown;
};
