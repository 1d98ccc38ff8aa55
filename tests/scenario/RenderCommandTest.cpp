#include "app/RenderCommand.h"

#include "../core/TempDir.h"
#include "app/CommandLine.h"
#include "correlation/core/CorrSetupFile.h"
#include "data/SetupFile.h"

#include <QImage>
#include <QImageReader>
#include <fstream>
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

const QRgb kDarkGreen = qRgb(0, 127, 11);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kCyan = qRgb(0, 255, 255);

struct RenderResult
{
    int status;
    std::string out, err;
};

RenderResult render(std::vector<std::string> args)
{
    args.insert(args.begin(), "render");
    std::ostringstream out, err;
    const int status = renderCommand(args, out, err);
    return { status, out.str(), err.str() };
}

int countPixels(const QImage &image, QRgb colour, QRect area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

// Seven points in columns 1 and 2 after a heading line, and a setup that names the data file
// relatively, as the bundled samples do.
std::string writeSmallSetup(const TempDir &dir, int plotSpeedMs, std::string_view xTop = "100.0")
{
    dir.write("points.csv", "x,y\n1,2\n2,5\n3,4\n4,8\n5,7\n6,11\n7,12\n");
    return dir.write("small.kvs",
        setupFileText(kCorrSetupMagic,
            { "points.csv", "1", "2", "2", std::to_string(plotSpeedMs), xTop == "100.0" ? "1" : "0",
                std::string(xTop), "-100.0", "100.0", "-100.0" }));
}

struct GifFile
{
    std::string version;
    int frames = 0;
    std::vector<int> delaysCs;
    bool loopsForever = false;
};

GifFile readGif(const std::string &path)
{
    GifFile result;
    result.version.resize(6);
    std::ifstream(path, std::ios::binary).read(result.version.data(), 6);
    int error = 0;
    GifFileType *gif = DGifOpenFileName(path.c_str(), &error);
    if (!gif)
        return result;
    if (DGifSlurp(gif) == GIF_OK) {
        result.frames = gif->ImageCount;
        for (int i = 0; i < gif->ImageCount; ++i) {
            GraphicsControlBlock control {};
            DGifSavedExtensionToGCB(gif, i, &control);
            result.delaysCs.push_back(control.DelayTime);
        }
        const SavedImage &first = gif->SavedImages[0];
        for (int i = 0; i + 1 < first.ExtensionBlockCount; ++i) {
            const ExtensionBlock &block = first.ExtensionBlocks[i];
            const ExtensionBlock &next = first.ExtensionBlocks[i + 1];
            if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11
                && std::string_view(reinterpret_cast<char *>(block.Bytes), 11) == "NETSCAPE2.0"
                && next.ByteCount == 3 && next.Bytes[0] == 1 && next.Bytes[1] == 0
                && next.Bytes[2] == 0)
                result.loopsForever = true;
        }
    }
    DGifCloseFile(gif, &error);
    return result;
}

QImage lastGifFrame(const std::string &path)
{
    QImageReader reader(QString::fromStdString(path));
    QImage frame;
    for (QImage next = reader.read(); !next.isNull(); next = reader.read())
        frame = next;
    return frame.convertToFormat(QImage::Format_RGB32);
}

TEST(RenderCommandTest, allAtOnceSample_writesTheComposedPictureWithFramePointsAndReadouts)
{
    TempDir dir;
    const std::string png = dir.file("scatter.png");
    const RenderResult run = render({ TRACELET_SAMPLES_DIR "/correlation_2500.kvs", "-o", png });
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");

    const QImage picture
        = QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), QSize(525, 350));
    EXPECT_EQ(picture.pixel(117, 100), kDarkGreen);
    EXPECT_EQ(picture.pixel(416, 25), kDarkGreen);
    const QRect frame(117, 25, 300, 300);
    EXPECT_GT(countPixels(picture, kRed, frame), 5000); // 2,500 circles, many overlapping
    EXPECT_GT(countPixels(picture, kCyan, frame), 100);
    EXPECT_GT(countPixels(picture, kDarkGreen, QRect(421, 295, 100, 30)), 150); // read-outs
    EXPECT_EQ(countPixels(picture, kRed, QRect(0, 0, 110, 350)), 0); // nothing left of the frame
}

struct FrameRow
{
    const char *name;
    std::vector<std::string> options;
    int frames;
    int delayCs;
};

std::ostream &operator<<(std::ostream &stream, const FrameRow &row) { return stream << row.name; }

class RenderGifTest : public ::testing::TestWithParam<FrameRow>
{
};

TEST_P(RenderGifTest, animation_givesTheFramesAskedFor_loopsAndEndsOnTheFinishedPicture)
{
    TempDir dir;
    const std::string setup = writeSmallSetup(dir, 100); // 7 points, 700 ms
    std::vector<std::string> args { setup, "-o", dir.file("anim.gif") };
    args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
    const RenderResult run = render(args);
    ASSERT_EQ(run.status, 0) << run.err;

    const GifFile gif = readGif(dir.file("anim.gif"));
    EXPECT_EQ(gif.version, "GIF89a");
    EXPECT_TRUE(gif.loopsForever);
    ASSERT_EQ(gif.frames, GetParam().frames);
    for (int i = 0; i + 1 < gif.frames; ++i)
        EXPECT_EQ(gif.delaysCs[static_cast<std::size_t>(i)], GetParam().delayCs) << "frame " << i;
    EXPECT_EQ(gif.delaysCs.back(), std::max(200, GetParam().delayCs)); // rests on the end

    ASSERT_EQ(render({ setup, "-o", dir.file("end.png") }).status, 0);
    const QImage end
        = QImage(QString::fromStdString(dir.file("end.png"))).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(lastGifFrame(dir.file("anim.gif")), end);
}

INSTANTIATE_TEST_SUITE_P(FrameTiming, RenderGifTest,
    ::testing::Values(FrameRow { "onePerPoint", {}, 7, 10 },
        FrameRow { "everyThreeTicks", { "--frames-every", "300" }, 3, 30 },
        FrameRow { "fasterThanTheTicks", { "--frames-every", "50" }, 14, 5 },
        FrameRow { "limitStretchesTheInterval", { "--size-limit", "2" }, 2, 35 }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(RenderCommandTest, setupWithoutPlotSpeed_asGif_isOneFrame)
{
    TempDir dir;
    ASSERT_EQ(render({ writeSmallSetup(dir, 0), "-o", dir.file("still.gif") }).status, 0);
    EXPECT_EQ(readGif(dir.file("still.gif")).frames, 1);
}

TEST(RenderCommandTest, writtenFiles_getTheUsualPermissions)
{
    TempDir dir;
    const std::string setup = writeSmallSetup(dir, 100);
    const mode_t previous = umask(022);
    const int gifStatus = render({ setup, "-o", dir.file("a.gif") }).status;
    const int pngStatus = render({ setup, "-o", dir.file("a.png") }).status;
    umask(previous);
    ASSERT_EQ(gifStatus, 0);
    ASSERT_EQ(pngStatus, 0);
    for (const char *name : { "a.gif", "a.png" }) {
        struct stat info
        {
        };
        ASSERT_EQ(stat(dir.file(name).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0644u) << name;
    }
}

TEST(RenderCommandTest, setupTheDialogReadsDifferently_isNotSavedOnTheWay)
{
    // The edit keeps 19 characters of this frame value, so OK sees a changed setup and asks to
    // save it; rendering declines and leaves the folder as it was.
    TempDir dir;
    const std::string setup = writeSmallSetup(dir, 0, "0.00000000000000000012");
    const RenderResult run = render({ setup, "-o", dir.file("out.png") });
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
}

struct BadInputRow
{
    const char *name;
    const char *setupText; // nullptr: the setup file does not exist
    const char *dataText; // written as points.csv when given
    const char *errorMentions;
};

std::ostream &operator<<(std::ostream &stream, const BadInputRow &row)
{
    return stream << row.name;
}

class RenderBadInputTest : public ::testing::TestWithParam<BadInputRow>
{
};

TEST_P(RenderBadInputTest, failsWithStatusOne_andWritesNothing)
{
    TempDir dir;
    const std::string setup = dir.file("bad.kvs");
    if (GetParam().setupText)
        dir.write("bad.kvs", GetParam().setupText);
    if (GetParam().dataText)
        dir.write("points.csv", GetParam().dataText);
    const RenderResult run = render({ setup, "-o", dir.file("out.gif") });
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(GetParam().errorMentions), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir.file("out.gif")));
}

INSTANTIATE_TEST_SUITE_P(Inputs, RenderBadInputTest,
    ::testing::Values(BadInputRow { "missingSetup", nullptr, nullptr, "cannot read" },
        BadInputRow { "notASetup", "x,y\n1,2\n", nullptr, "not a correlation setup" },
        BadInputRow { "pathSetup", "KVT_GRIDWALK_SETUP\r\nmap.bmp\r\n", nullptr, "path setup" },
        BadInputRow { "cutShort", "KVT_GRIDWALK_SETUP_SOUKAN\r\npoints.csv\r\n1\r\n2\r\n",
            "x,y\n1,2\n", "セットアップファイルに誤りがあります" },
        BadInputRow { "columnZero",
            "KVT_GRIDWALK_SETUP_SOUKAN\r\npoints.csv\r\n0\r\n2\r\n1\r\n0\r\n1\r\n100.0\r\n-100."
            "0\r\n"
            "100.0\r\n-100.0\r\n",
            "1,2\n", "列指定不正です。" },
        BadInputRow { "missingData",
            "KVT_GRIDWALK_SETUP_SOUKAN\r\npoints.csv\r\n1\r\n2\r\n1\r\n0\r\n1\r\n100.0\r\n-100."
            "0\r\n"
            "100.0\r\n-100.0\r\n",
            nullptr, "cannot read the data file points.csv" },
        BadInputRow { "headingOnly",
            "KVT_GRIDWALK_SETUP_SOUKAN\r\npoints.csv\r\n1\r\n2\r\n2\r\n100\r\n1\r\n100.0\r\n"
            "-100.0\r\n100.0\r\n-100.0\r\n",
            "x,y\n", "no data rows" }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(RenderCommandTest, badUsage_givesStatusTwoWithTheUsage_helpGivesZero)
{
    const std::string kvs = TRACELET_SAMPLES_DIR "/correlation_2500.kvs";
    const std::vector<std::vector<std::string>> bad {
        {},
        { kvs },
        { kvs, "-o", "out.jpg" },
        { kvs, kvs, "-o", "out.png" },
        { kvs, "-o", "out.gif", "--frames-every", "5" },
        { kvs, "-o", "out.gif", "--size-limit", "0" },
        { kvs, "-o", "out.png", "--frames-every", "100" },
        { kvs, "-o", "out.gif", "--fps", "10" },
    };
    for (const auto &args : bad) {
        const RenderResult run = render(args);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(run.err.find("Usage: tracelet render"), std::string::npos);
    }
    std::ostringstream out, err;
    EXPECT_EQ(runCommandLine({ "render", "--help" }, out, err), 0);
    EXPECT_NE(out.str().find("--frames-every"), std::string::npos);
}

} // namespace
