#include "../support/ScenarioFixture.h"
#include "data/ColumnHeadings.h"
#include "res/ControlIds.h"

#include <fstream>
#include <tuple>

namespace {

constexpr COLORREF kFrameGreen = RGB(0, 127, 11);

class AxisTitlesTest : public ScenarioTest
{
protected:
    void start(const std::string &tags)
    {
        ASSERT_TRUE(initOk);
        writeFile("hw.csv", "h,w\n150,45\n190,90\n");
        const std::string kvs = writeFile("hw.kvs",
            "KVT_GRIDWALK_SETUP_SOUKAN\r\nhw.csv\r\n1\r\n2\r\n2\r\n0\r\n1\r\n100.0\r\n-100.0\r\n"
            "100.0\r\n-100.0\r\n"
                + tags)
                                    .string();
        ASSERT_EQ(dlg->StartRun("correlation", RunRequest { kvs, 0, {} }).refusal, "");
    }

    // The canvas cell of 5 × 10 pixels at a point, row by row: '#' the frame's green.
    std::string cell(int left, int top)
    {
        std::string rows;
        for (int y = top; y < top + 10; ++y) {
            for (int x = left; x < left + 5; ++x)
                rows += canvasPixel(x, y) == kFrameGreen ? '#' : '.';
            rows += '|';
        }
        return rows;
    }
};

// The heading line's names stand right of the X at the X axis's end and right of the Y axis's
// top, in the frame's small text; a setup without the setting draws the picture as before.
TEST_F(AxisTitlesTest, headingsBesideTheAxes_onlyWhenTheSetupAsks)
{
    start("AXIS_TITLES=1\r\n");
    EXPECT_EQ(cell(440, 160), ".....|.....|#....|#....|###..|#..#.|#..#.|#..#.|.....|.....|");
    EXPECT_EQ(cell(271, 8), ".....|.....|.....|.....|#...#|#.#.#|#.#.#|.#.#.|.....|.....|");
    click(IDC_CORR_RUN);
    start("");
    std::string blank;
    for (int row = 0; row < 10; ++row)
        blank += ".....|";
    EXPECT_EQ(std::tuple(cell(440, 160), cell(271, 8)), std::tuple(blank, blank));
}

// Only a text field names a column; numbers, a file whose data starts on line 1, and columns
// past the heading's end name nothing.
TEST(ColumnHeadings, textFieldsOfTheLineBeforeTheData)
{
    const std::filesystem::path file
        = std::filesystem::temp_directory_path() / "tracelet-headings.csv";
    std::ofstream(file) << "# survey 2026\n\"height, cm\",12,weight\n1.5,2\n";
    const std::string path = file.string();
    const ColumnHeadings quoted = readColumnHeadings(path, 3, 1, 3);
    EXPECT_EQ(std::tuple(quoted.x, quoted.y), std::tuple("height, cm", "weight"));
    const ColumnHeadings numberAndBeyond = readColumnHeadings(path, 3, 2, 4);
    EXPECT_EQ(std::tuple(numberAndBeyond.x, numberAndBeyond.y), std::tuple("", ""));
    EXPECT_EQ(readColumnHeadings(path, 1, 1, 3).x, "");
    std::filesystem::remove(file);
}

} // namespace
