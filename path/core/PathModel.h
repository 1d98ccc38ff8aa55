#pragma once

// The path diagram's state during a run: where its points come from, the points (a data file's,
// or the route built from the teaching points), the map and its view, the characters, and the
// teaching points with their history and the curve's working arrays.

#include "data/DataSeries.h"
#include "path/core/CharacterSprite.h"
#include "path/core/CurveInterpolation.h"
#include "path/core/MapView.h"
#include "path/core/Teaching.h"
#include "path/core/TeachingEdits.h"

struct PathModel
{
    PathSource source = PathSource::None;
    DataSeries points;
    MapView view;
    bool backgroundLoaded = false;
    CharacterImages characters;
    bool blink = false; // two characters alternate
    int characterFrame = 1;
    int lastPointX = 0, lastPointY = 0; // where the character stands, in the map surface
    TeachingPoints teaching;
    int selectedPoint = 0;
    bool pointPicked = false; // correcting: a point is picked and the next click moves it
    TeachingHistory history; // every change since teaching began, for undo and redo
    bool pointsSaved = false; // the points as they are now are in a points file
    SplineWork spline;
    bool sliderMode = false; // the slider places the walker at a row of the data file
};
