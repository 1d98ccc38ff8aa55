#include "../support/PathScenario.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <functional>

namespace {

using Points = std::vector<std::pair<double, double>>;
const std::string kTooClose = "教示ﾎﾟｲﾝﾄの間隔が十分でない。";

class TeachingEditsTest : public PathScenario
{
protected:
    // Teaching over a 600 × 400 map: the view shows its rows 50..399, so the click (x, y) is
    // taught as (x, 350 − y).
    void startOnMap(double originX = 0)
    {
        if (path().setup().done)
            scripted.expectDialog(IDD_CONFIRM, { ScriptedPlatform::click(IDCANCEL) });
        startTeaching(setupFile("map.kvt", background("map.bmp", 600, 400), originX, 0, "", "", ""),
            (tempDir() / "route.csv").string(), false);
    }
    Points taught()
    {
        Points list;
        for (int k = 0; k < pathModel().teaching.count; ++k)
            list.emplace_back(pathModel().teaching.x[static_cast<std::size_t>(k)],
                pathModel().teaching.y[static_cast<std::size_t>(k)]);
        return list;
    }
    void undo(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            key('Z', MK_CONTROL);
    }
    void redo(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            key('Y', MK_CONTROL);
    }
};

struct Row
{
    const char *name;
    std::function<void()> edit;
    Points expected;
};

TEST_F(TeachingEditsTest, deleteInsertUndoAndRedo_reachTheirPointLists_aNewChangeDropsTheRedo)
{
    startOnMap();
    for (const int x : { 100, 200, 300, 400 })
        clickAt(x, 100);
    const Points four { { 100, 250 }, { 200, 250 }, { 300, 250 }, { 400, 250 } };
    const Points three { { 100, 250 }, { 300, 250 }, { 400, 250 } };
    const Points inserted { { 100, 250 }, { 200, 230 }, { 300, 250 }, { 400, 250 } };
    const Row rows[] = {
        { "a right click deletes the point whose ring it is on, and beside every ring none",
            [&] {
                mouse(WM_RBUTTONDOWN, 202, 102);
                mouse(WM_RBUTTONDOWN, 297, 100);
            },
            three },
        { "Ctrl+click inserts on the nearest segment", [&] { clickAt(200, 120, MK_CONTROL); },
            inserted },
        { "an insertion too near a neighbour is refused", [&] { clickAt(298, 101, MK_CONTROL); },
            inserted },
        { "Ctrl+Z takes the insertion back", [&] { undo(); }, three },
        { "Ctrl+Z again brings the deleted point back", [&] { undo(); }, four },
        { "Ctrl+Y deletes it again", [&] { redo(); }, three },
        { "a new point drops what was undone",
            [&] {
                undo();
                clickAt(500, 100);
                redo();
            },
            { { 100, 250 }, { 200, 250 }, { 300, 250 }, { 400, 250 }, { 500, 250 } } },
    };
    for (const Row &r : rows) {
        r.edit();
        EXPECT_EQ(taught(), r.expected) << r.name;
    }
    EXPECT_EQ(scripted.messages(), std::vector<std::string> { kTooClose });
}

TEST_F(TeachingEditsTest, inCorrection_deletesAndMovesAreStepsToo_undoneToNoneAndDoneAgain)
{
    startOnMap();
    for (const int x : { 100, 200, 300, 400, 500 })
        clickAt(x, 100);
    click(IDC_TEACH_CORRECTION);
    const Points picked { { 100, 250 }, { 400, 250 }, { 500, 250 } };
    const Row rows[] = {
        { "Delete removes the point picked",
            [&] {
                for (const int x : { 200, 300 }) {
                    clickAt(x, 100);
                    key(VK_DELETE);
                }
            },
            picked },
        { "a move is one step",
            [&] {
                clickAt(400, 100);
                clickAt(400, 200);
                undo();
                key('Z', MK_CONTROL | MK_SHIFT); // redo, as Ctrl+Y
                undo();
            },
            picked },
        { "undone to the start, correction ends with fewer than two points", [&] { undo(20); },
            {} },
        { "and done again up to the undone move", [&] { redo(20); },
            { { 100, 250 }, { 400, 150 }, { 500, 250 } } },
    };
    for (const Row &r : rows) {
        r.edit();
        EXPECT_EQ(taught(), r.expected) << r.name;
    }
    EXPECT_TRUE(showsFace(IDC_TEACH_CORRECTION, IDB_TEACH_IDLE));
    EXPECT_EQ(pathModel().source, PathSource::Teaching);
}

TEST_F(TeachingEditsTest, typedCoordinatesAddAPointOrMoveThePickedOne_numbersOnTheMapOnly)
{
    using S = ScriptedPlatform;
    startOnMap();
    clickAt(100, 100);
    mouse(WM_MOUSEMOVE, 300, 200);
    const auto shows = [](const char *x, const char *y) {
        return S::call([=](CDialog &d) {
            EXPECT_EQ(d.GetDlgItem(IDC_POINT_X)->GetWindowText(), x);
            EXPECT_EQ(d.GetDlgItem(IDC_POINT_Y)->GetWindowText(), y);
        });
    };
    scripted.expectDialog(IDD_TEACH_POINT,
        { shows("300.00", "150.00"), S::typeText(IDC_POINT_X, "12x"), S::click(IDOK),
            S::typeText(IDC_POINT_X, "600.5"), S::click(IDOK), S::typeText(IDC_POINT_X, "150.5"),
            S::typeText(IDC_POINT_Y, "99.25"), S::click(IDOK) });
    key(VK_F2);
    EXPECT_EQ(taught(), (Points { { 100, 250 }, { 150.5, 99.25 } }));

    click(IDC_TEACH_CORRECTION);
    key(VK_F2); // nothing picked
    clickAt(100, 100);
    scripted.expectDialog(IDD_TEACH_POINT,
        { shows("100.00", "250.00"), S::typeText(IDC_POINT_Y, "260"), S::click(IDOK) });
    systemCommand(IDM_TYPE_POINT);
    EXPECT_EQ(taught(), (Points { { 100, 260 }, { 150.5, 99.25 } }));
    undo();
    EXPECT_EQ(taught().front(), std::pair(100.0, 250.0));
    EXPECT_EQ(scripted.messages(),
        (std::vector<std::string> { "X と Y には数値を入力してください。",
            "地図の外です。地図の範囲: X 0.00 ～ 600.00, Y 0.00 ～ 400.00",
            "座標を入力する教示ポイントをクリックして選んでください。" }));
}

TEST_F(TeachingEditsTest, savedPointsOpenIntoALaterRun_asOneStepToUndo_andClosingAsksWhenUnsaved)
{
    systemCommand(IDM_OPEN_POINTS);
    EXPECT_EQ(scripted.messages(),
        std::vector<std::string> {
            "教示中ではありません。経路図を「教示ポイントデータとする」で実行してください。" });
    startOnMap(12.25); // x is taught as column + 12.25
    for (const auto &[x, y] : { std::pair { 100, 100 }, { 250, 40 }, { 333, 300 } })
        clickAt(x, y);
    const Points saved = taught();
    ASSERT_EQ(saved.front(), std::pair(112.25, 250.0));
    scripted.expectDialog(IDD_CONFIRM, { ScriptedPlatform::click(IDCANCEL) });
    EXPECT_FALSE(path().mayClose());
    const std::string file = (tempDir() / "points.csv").string();
    scripted.answerFileDialog(file);
    systemCommand(IDM_SAVE_POINTS);
    EXPECT_TRUE(path().mayClose()); // asks nothing

    click(IDC_PATH_RUN);
    startOnMap(12.25);
    clickAt(500, 300);
    scripted.answerFileDialog(file);
    systemCommand(IDM_OPEN_POINTS);
    EXPECT_EQ(taught(), saved);
    EXPECT_TRUE(path().mayClose());
    clickAt(500, 300); // teaching goes on after the opened points
    EXPECT_EQ(taught().size(), 4U);
    undo(2);
    EXPECT_EQ(taught(), (Points { { 512.25, 50 } }));
    scripted.expectDialog(IDD_CONFIRM, { ScriptedPlatform::click(IDCANCEL) });
    EXPECT_FALSE(path().mayClose());
}

} // namespace
