#include "app/RenderCommand.h"

#include "../core/TempDir.h"
#include "app/CommandLine.h"
#include "correlation/core/CorrSetupFile.h"
#include "data/SetupFile.h"

#include <QImage>
#include <QImageReader>
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace {

const QRgb kDarkGreen = qRgb(0, 127, 11);
const QRgb kRed = qRgb(255, 0, 0);

struct RenderResult
{
    int status;
    std::string err;
};

RenderResult render(std::vector<std::string> args)
{
    args.insert(args.begin(), "render");
    std::ostringstream out, err;
    const int status = renderCommand(args, out, err);
    return { status, err.str() };
}

QImage readImage(const std::string &path)
{
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

int countPixels(const QImage &image, QRgb colour, QRect area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

// The text of a setup whose data file points.csv (a heading line, then data) lies beside it.
std::string corrSetup(const std::string &column, int plotSpeedMs, const std::string &xTop = "100.0")
{
    return setupFileText(kCorrSetupMagic,
        { "points.csv", column, "2", "2", std::to_string(plotSpeedMs), xTop == "100.0" ? "1" : "0",
            xTop, "-100.0", "100.0", "-100.0" });
}

// Seven points, so a plot speed of 100 ms takes 700 ms.
std::string writeSmallSetup(const TempDir &dir, int plotSpeedMs, const std::string &xTop = "100.0")
{
    dir.write("points.csv", "x,y\n1,2\n2,5\n3,4\n4,8\n5,7\n6,11\n7,12\n");
    return dir.write("small.kvs", corrSetup("1", plotSpeedMs, xTop));
}

// Frame delays in centiseconds; empty when the file is no GIF.
std::vector<int> gifDelays(const std::string &path)
{
    std::vector<int> delays;
    int error = 0;
    GifFileType *gif = DGifOpenFileName(path.c_str(), &error);
    if (gif && DGifSlurp(gif) == GIF_OK)
        for (int i = 0; i < gif->ImageCount; ++i) {
            GraphicsControlBlock control {};
            DGifSavedExtensionToGCB(gif, i, &control);
            delays.push_back(control.DelayTime);
        }
    if (gif)
        DGifCloseFile(gif, &error);
    return delays;
}

TEST(RenderCommandTest, allAtOnceSample_writesFramePointsAndReadouts)
{
    TempDir dir;
    const RenderResult run
        = render({ TRACELET_SAMPLES_DIR "/correlation_2500.kvs", "-o", dir.file("s.png") });
    ASSERT_EQ(run.status, 0) << run.err;

    const QImage picture = readImage(dir.file("s.png"));
    ASSERT_EQ(picture.size(), QSize(525, 350));
    EXPECT_EQ(picture.pixel(117, 100), kDarkGreen);
    EXPECT_EQ(picture.pixel(416, 25), kDarkGreen);
    EXPECT_GT(countPixels(picture, kRed, QRect(117, 25, 300, 300)), 5000); // 2,500 circles
    EXPECT_GT(countPixels(picture, kDarkGreen, QRect(421, 295, 100, 30)), 150); // read-outs
    EXPECT_EQ(countPixels(picture, kRed, QRect(0, 0, 110, 350)), 0); // nothing left of the frame
}

TEST(RenderCommandTest, animation_givesTheFramesAskedFor_loopsAndEndsOnTheFinishedPicture)
{
    const struct
    {
        std::vector<std::string> options;
        int frames, delayCs;
    } rows[] = { { {}, 7, 10 }, { { "--frames-every", "300" }, 3, 30 },
        { { "--frames-every", "50" }, 14, 5 }, { { "--size-limit", "2" }, 2, 35 } };
    TempDir dir;
    const std::string setup = writeSmallSetup(dir, 100);
    ASSERT_EQ(render({ setup, "-o", dir.file("end.png") }).status, 0);
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.options));
        std::vector<std::string> args { setup, "-o", dir.file("anim.gif") };
        args.insert(args.end(), row.options.begin(), row.options.end());
        ASSERT_EQ(render(args).status, 0);

        const std::vector<int> delays = gifDelays(dir.file("anim.gif"));
        ASSERT_EQ(static_cast<int>(delays.size()), row.frames);
        for (std::size_t i = 0; i + 1 < delays.size(); ++i)
            EXPECT_EQ(delays[i], row.delayCs) << "frame " << i;
        EXPECT_EQ(delays.back(), std::max(200, row.delayCs)); // rests on the end
        const std::string bytes = TempDir::read(dir.file("anim.gif"));
        EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
        EXPECT_NE(bytes.find(std::string("NETSCAPE2.0\x03\x01\x00\x00", 15)), std::string::npos);

        QImageReader reader(QString::fromStdString(dir.file("anim.gif")));
        QImage last;
        for (QImage next = reader.read(); !next.isNull(); next = reader.read())
            last = next;
        EXPECT_EQ(last.convertToFormat(QImage::Format_RGB32), readImage(dir.file("end.png")));
    }
}

TEST(RenderCommandTest, stillSetup_isOneFrame_filesGetTheUsualPermissions)
{
    TempDir dir;
    const std::string setup = writeSmallSetup(dir, 0);
    const mode_t previous = umask(022);
    const int gifStatus = render({ setup, "-o", dir.file("a.gif") }).status;
    const int pngStatus = render({ setup, "-o", dir.file("a.png") }).status;
    umask(previous);
    ASSERT_EQ(std::pair(gifStatus, pngStatus), std::pair(0, 0));
    EXPECT_EQ(gifDelays(dir.file("a.gif")).size(), 1u);
    for (const char *name : { "a.gif", "a.png" }) {
        struct stat info = {};
        ASSERT_EQ(stat(dir.file(name).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0644u) << name;
    }
}

TEST(RenderCommandTest, setupTheDialogReadsDifferently_isNotSavedOnTheWay)
{
    // The edit keeps 19 characters of this frame value, so OK sees a changed setup and asks to
    // save it; rendering declines and leaves the folder as it was.
    TempDir dir;
    const RenderResult run
        = render({ writeSmallSetup(dir, 0, "0.00000000000000000012"), "-o", dir.file("out.png") });
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(static_cast<int>(dir.entryCount()), 3);
}

TEST(RenderCommandTest, badInput_failsWithStatusOne_andWritesNothing)
{
    const struct
    {
        std::string setup; // empty: the setup file does not exist
        const char *data; // written as points.csv when given
        const char *errorMentions;
    } rows[] = {
        { "", nullptr, "cannot read" },
        { "x,y\n1,2\n", nullptr, "not a correlation setup" },
        { "KVT_GRIDWALK_SETUP\r\nmap.bmp\r\n", nullptr, "path setup" },
        { setupFileText(kCorrSetupMagic, { "points.csv", "1", "2" }), "x,y\n1,2\n",
            "セットアップファイルに誤りがあります" },
        { corrSetup("0", 0), "1,2\n", "列指定不正です。" },
        { corrSetup("1", 0), nullptr, "cannot read the data file points.csv" },
        { corrSetup("1", 100), "x,y\n", "no data rows" },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.errorMentions);
        TempDir dir;
        if (!row.setup.empty())
            dir.write("bad.kvs", row.setup);
        if (row.data)
            dir.write("points.csv", row.data);
        const RenderResult run = render({ dir.file("bad.kvs"), "-o", dir.file("out.gif") });
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(row.errorMentions), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.gif")));
    }
}

TEST(RenderCommandTest, badUsage_givesStatusTwoWithTheUsage_helpGivesZero)
{
    const std::string kvs = TRACELET_SAMPLES_DIR "/correlation_2500.kvs";
    const std::vector<std::vector<std::string>> bad { {}, { kvs }, { kvs, "-o", "out.jpg" },
        { kvs, kvs, "-o", "out.png" }, { kvs, "-o", "out.gif", "--frames-every", "5" },
        { kvs, "-o", "out.gif", "--size-limit", "0" },
        { kvs, "-o", "out.png", "--frames-every", "100" },
        { kvs, "-o", "out.gif", "--fps", "10" } };
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
