#pragma once

// The state every mode, dialog, view operation and tick shares. Plain data only, so that the
// core library (no Qt) can take it by reference; drawing objects live in the ui-side GdiState.

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

// Fixed capacity of every point array: a data file contributes at most this many rows.
inline constexpr int kPointCapacity = 10000;
// Row stride of the curve interpolation's collocation matrix, and so its largest system.
inline constexpr int kSplineStride = 1000;
inline constexpr int kCorrSetupFieldCount = 10;

struct RunState
{
    RunState();

    // Fresh zero-filled blocks in place of the old ones: the point arrays and the first-row
    // interpolation speed (correlation stop), or all seven arrays (start-up, path stop).
    void reallocatePointArrays();
    void reallocateAllArrays();
    // Releases the curve-interpolation buffers; a released buffer is simply empty.
    void releaseSplineBuffers();

    // 1. Data arrays and indices.
    std::vector<double> dataX, dataY, dataDirection;
    std::vector<double> firstRowPlotSpeed, firstRowInterpSpeed; // one double each
    std::vector<double> teachX, teachY;
    int plotIndex = 0;
    int lastIndex = 0;
    int teachCount = 0;
    int decimationStep = 1;

    // 2. Data source, files and columns.
    int sourceMode = 0; // 0 none, 1 teaching, 2 teaching with correction, 3 data file
    std::string setupFilePath;
    std::string dataFilePath;
    std::string backgroundFilePath;
    std::string characterFilePath;
    std::string character2FilePath;
    bool dataFileGiven = false;
    bool backgroundGiven = false;
    bool characterGiven = false;
    bool character2Given = false;
    int xColumn = 0;
    int yColumn = 0;
    int directionColumn = 0;
    int interpSpeedColumn = 0;
    int plotSpeedColumn = 0;
    bool useYColumn = false;
    bool useDirectionColumn = false;
    bool useInterpSpeedColumn = false;
    bool usePlotSpeedColumn = false;
    int dataStartRow = 0;
    std::string startupDirectory;
    std::string dataFileMessage; // what the last read told the person; empty for a clean file

    // 3. Mode and run flags.
    bool pathRunning = false;
    bool corrRunning = false;
    bool dataReady = false;
    bool playing = false;
    bool pauseHeld = false;
    bool endReached = false;
    bool backgroundLoaded = false;
    bool characterBlink = false;
    int characterFrame = 1;
    bool pathSetupDone = false;
    bool corrSetupDone = false;
    bool sliderMode = false;
    bool sliderFirstMarker = false;
    bool teachPointPicked = false;

    // 4. Timing.
    int tickPeriodMs = 350;
    unsigned mmTimerId = 0;
    int plotPeriodMs = 0;
    int teachMoveTimeMs = 0;
    int divisionCount = 20;

    // 5. View, canvas and background geometry.
    int viewWidth = 525;
    int viewHeight = 350;
    std::array<double, 3> zoomFactors { 1.0, 0.5, 0.25 };
    int zoomIndex = 0;
    int viewSrcX = 0;
    int viewSrcY = 0;
    int viewDstX = 0;
    int viewDstY = 0;
    bool viewReanchor = false;
    int backgroundWidth = 0; // backgroundInfo.bmWidth
    int backgroundHeight = 0; // backgroundInfo.bmHeight
    double originX = 0.0;
    double originY = 0.0;
    int lastPointX = 0;
    int lastPointY = 0;
    struct Rect
    {
        int left = 0, top = 0, right = 0, bottom = 0;
    };
    Rect canvasRect;
    int mouseX = 0;
    int mouseY = 0;
    bool mouseInCanvas = false;

    // 8. Path teaching and interpolation.
    int teachSelectedIndex = 0;
    int outputPointCount = 0;
    int splineDegree = 2;
    int splineOrder = 0;
    int splineKnotCount = 0;
    int splineBasisCount = 0;
    int splineSystemSize = 0;
    int splinePointCount = 0;
    bool curveInterpolation = false;
    bool linearInterpolation = false;
    std::vector<double> splineKnots;
    std::vector<std::array<double, 2>> splineBasis;
    std::vector<double> splineMatrix; // rows of kSplineStride doubles
    std::vector<double> splineControlX, splineControlY;
    std::vector<int> splinePivot;
    std::vector<double> splineRowScale;

    // 9. Character images: header and pixels point into charFileBuffer.
    std::vector<std::uint8_t> charFileBuffer;
    struct CharacterSlot
    {
        std::size_t infoOffset = 0; // offset of the bitmap info header in charFileBuffer
        std::size_t bitsOffset = 0; // offset of the pixels in charFileBuffer
        std::vector<std::uint8_t> rotated; // 3072-byte work buffer
        int width = 32, height = 32, stride = 96;
    };
    std::array<CharacterSlot, 2> characterSlots; // slot 1 and slot 2
    // Character files whose fault was already told in this path run: told once, not every tick.
    std::set<std::string> characterFilesReported;

    // 10. Correlation.
    int frameXMin = 0, frameXMax = 0, frameYMin = 0, frameYMax = 0;
    // The setup's own defaults: a setup reopened after automatic-scale runs, which take no frame
    // values, offers these rather than an empty frame nobody entered.
    double corrFrameXTop = 100.0, corrFrameXBottom = -100.0;
    double corrFrameYTop = 100.0, corrFrameYBottom = -100.0;
    bool corrAutoScale = false;
    double frameCentreX = 0.0, frameCentreY = 0.0;
    double corrScaleX = 0.0, corrScaleY = 0.0;
    int corrOffsetX = 0, corrOffsetY = 0;
    double meanX = 0.0, meanY = 0.0;
    double regressionSlope = 0.0, regressionIntercept = 0.0;
    double corrSxy = 0.0, corrRootSxx = 0.0, corrRootSyy = 0.0;
    int sliderMarkerX = 0, sliderMarkerY = 0;

    // 11. Setup bookkeeping.
    bool pathBackgroundFileChanged = false;
    bool pathCharacterFileChanged = false;
    bool pathCharacter2FileChanged = false;
    bool pathDataFileChanged = false;
    std::array<bool, kCorrSetupFieldCount> corrSetupChanged {};
    std::string confirmMessage;
    // The origin of the last accepted path setup: a stop clears originX and originY, and keeping
    // the previous settings brings it back with the files.
    double keptOriginX = 0.0, keptOriginY = 0.0;
    // A setup file named on the command line: the next setup dialog opens with it loaded.
    std::string setupFileToLoad;
};
