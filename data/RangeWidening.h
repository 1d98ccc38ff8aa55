#pragma once

// The frame bounds of one axis: the data range lo..hi widened by one step and cut toward zero at
// the decimal place of that step. Bounds beyond the int32 range saturate.
struct WidenedRange
{
    int high = 0;
    int low = 0;
};

WidenedRange widenRange(double hi, double lo);
