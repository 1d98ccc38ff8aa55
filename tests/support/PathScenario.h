#pragma once

// Path-diagram scenarios: telltale backgrounds, characters, data and setup files, and runs.

#include "ScenarioFixture.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

class PathScenario : public ScenarioTest
{
protected:
    // A background of w × h whose pixel (x, y) is RGB(x % 251, y % 251, 0x40): never white,
    // never magenta, and a canvas pixel names the background pixel it shows.
    std::string background(const std::string &name, int w, int h);

    // A 32 × 32 24-bit character, white except the given pixels (column, row from the top).
    struct Mark
    {
        int column, row;
        COLORREF colour;
    };
    std::string character(const std::string &name, const std::vector<Mark> &marks);
    // An arrow: a red bar from the centre up, 12 pixels long (column 16, rows 4 to 15).
    std::string arrow(const std::string &name);

    // A path data file: heading, then X, Y, direction rows; the first carries 1000 and periodMs.
    struct Point
    {
        double x, y, direction;
    };
    std::string dataFile(const std::string &name, const std::vector<Point> &points, int periodMs);

    // The seven-line setup file.
    std::string setupFile(const std::string &name, const std::string &background, double originX,
        double originY, const std::string &character, const std::string &character2,
        const std::string &data);

    // Presses 経路図 and loads the setup file in the dialog, then OK. With a previous setup the
    // question about it is answered first (keep: OK).
    void startRun(const std::string &kvt);
    // A teaching run over the background of `kvt`, its route written to `route`.
    void startTeaching(const std::string &kvt, const std::string &route, bool curve,
        int divisions = 4, int moveTimeMs = 1000, bool utf8Heading = false);
    // Presses play and lets `ticks` ticks run at the file's period.
    void play(int ticks = 0);
    void ticks(int count) { scripted.advance(static_cast<long long>(count) * pb().periodMs()); }

    // A click on a check box as a person makes it: the box toggles, then the handler runs.
    static Step toggle(int id);
    static std::string read(const std::string &path) { return TempDir::read(path); }

    // The scroll arrows a person can press, as "UDLR" with '-' for each greyed one.
    std::string scrollArrows();

    // Whether a bitmap button shows that face.
    bool showsFace(int controlId, int bitmapId) const;

    // The background pixel a canvas pixel shows, or nothing when it shows something else.
    std::optional<std::pair<int, int>> shownBackgroundPixel(int canvasX, int canvasY) const;
    // Canvas rows as text: M trail, R the walker's red, . the full-size map pixel of that place
    // in the view, ? anything else.
    std::vector<std::string> picture(int left, int top, int width, int height);
};
