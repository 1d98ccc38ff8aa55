#pragma once

// The correlation diagram's state: the points read, the frame they are drawn in, the statistics
// of the points drawn so far, and the slider's marker.

#include "correlation/core/CorrFrame.h"
#include "correlation/core/CorrStatistics.h"
#include "data/ColumnHeadings.h"
#include "data/DataSeries.h"

struct CorrelationModel
{
    DataSeries points;
    CorrFrame frame;
    CorrStatistics stats;
    ColumnHeadings titles; // drawn beside the axes; empty when the setup draws none
    int lastPointX = 0, lastPointY = 0; // the point drawn last, drawn as a circle at the next tick
    bool sliderMode = false;
    bool sliderFirstMarker = false; // no marker is drawn yet to be taken away
    int sliderMarkerX = 0, sliderMarkerY = 0;
};
