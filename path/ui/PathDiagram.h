#pragma once

// The path diagram: a character walks over the background map along the points of a data file,
// or along the route built from points taught with the mouse; the view follows it, zooms and
// scrolls.

#include "mainwnd/DiagramRegistry.h"
#include "path/core/PathModel.h"
#include "path/core/PathSetupFile.h"
#include "path/core/PointMapping.h"
#include "path/ui/PngCharacter.h"

#include <memory>
#include <set>
#include <string>

class CDC;
class CPen;

// A path data file: its heading line, then X, Y, direction, interpolation and plot speed.
inline constexpr int kPathDataStartRow = 2;

class PathDiagram final : public Diagram,
                          MapNavigation,
                          PointerInput,
                          PointSlider,
                          TeachingTools,
                          TeachingFiles
{
public:
    explicit PathDiagram(const DiagramContext &context);

    bool running() const override { return m_running; }
    bool runOrStop(bool anotherRunning, const std::string &setupToLoad) override;
    void forgetSetup() override { m_setup.done = false; }
    bool prepareToPlay() override;
    void play(bool fromStart) override;
    void pause() override { }
    TickOutcome tick() override;
    void onTimer(UINT id) override;
    bool mayClose() override;
    DiagramCapabilities capabilities() override;
    StartResult start(const RunRequest &run) override;
    bool exportable() const override;
    std::optional<RunRequest> currentRun(const std::string &setupFile) const override;

    PathSetup &setup() { return m_setup; }
    // Where the default background bitmap1.bmp is looked for: the folder the program started in.
    void setStartupDirectory(std::string folder) { m_startupDirectory = std::move(folder); }
    PathModel &model() { return *m_model; }

private:
    // Where a click lands: its column and row in plotDC, and the data coordinates stored for it.
    struct Place
    {
        int column = 0;
        int row = 0;
        DataPoint data;
    };

    void zoom(int steps) override;
    void scroll(ScrollDirection direction) override;
    void showScrollArrows() override;
    void mouseMoved(POINT point, bool inPicture) override;
    void clicked(POINT point) override;
    void sliderMode() override;
    void sliderMoved() override;
    void teachCorrection() override;
    bool insertPoint(POINT point) override;
    bool deletePoint(POINT point) override;
    bool deletePicked() override;
    bool undoTeaching() override;
    bool redoTeaching() override;
    bool typePoint() override;
    bool savePoints() override;
    bool openPoints() override;
    bool writeRoute() override;

    std::string startRun();
    void leaveSliderMode();
    void stop();
    std::string loadBackground();
    // Rings at these points as teaching rings its points.
    void markPoints(const std::vector<std::array<double, 2>> &points);
    // The background used: the one given, else the default one in the start-up folder.
    std::string backgroundPath() const;
    // The view: the picture's pixels of the map surface from (srcX, srcY), shown at (dstX, dstY).
    void showView(CDC &target);
    void showView();
    // The clean map at the current zoom, lower-left aligned; white around it when zoomed out.
    void drawBackgroundAtZoom();
    void redrawAtZoom();
    void reanchor(const MappedPoint &p);
    void scrollToEdge(int px, int py);
    bool scrollRefused(ScrollDirection direction);
    bool beyondEdge(ScrollDirection direction) const;
    bool walkerTakesBack(ScrollDirection direction);
    void moveView(ScrollDirection direction);
    void stampCharacter(int x, int y, double degrees);
    void showWalker(const MappedPoint &p, int shown, double degrees);
    bool routeTeachingPoints();
    Place placeOf(POINT point) const;
    void addPoint(const Place &place);
    void correctPoint(const Place &place);
    void redrawRings(int picked);
    void drawRing(CPen &pen, int column, int row);
    bool teachingNow() const;
    // Whether p keeps its spacing from the points before and after it on the route (indices
    // that are not points are not checked); says so when it does not.
    bool spacedFrom(const DataPoint &p, int before, int after);
    // Whether one more point fits the route's arrays; says so when it does not.
    bool roomForOneMore();
    // Applies the edit and shows the points as they now are.
    void editTeaching(TeachingEdit edit);
    // After any change: the pick is dropped, correction needs two points, the rings redrawn.
    void teachingChanged();
    // The route settings play uses, writing to the setup's route file.
    RouteSettings routeSettings() const;

    Playback &pb;
    int m_runButton;
    GdiState &gs;
    WindowControls &ui;
    PathSetup m_setup;
    std::unique_ptr<PathModel> m_model = std::make_unique<PathModel>();
    // Character files whose fault was already told in this run: told once, not every tick.
    std::set<std::string> m_reportedCharacters;
    PngCharacters m_pngCharacters; // decoded PNG walkers, read again when their file changes
    std::string m_startupDirectory; // where the default background bitmap1.bmp is looked for
    bool m_running = false;
};

const DiagramDescriptor &pathDiagramDescriptor();
