// The command line's animation outputs, decoded back; no partial file after an interrupt.

#include "../core/TempDir.h"
#include "app/RenderCommand.h"
#include "app/RenderSession.h"
#include "correlation/core/CorrSetupFile.h"
#include "data/SetupFile.h"
#include "export/GifEncoder.h"
#include "export/OutputFile.h"
#include "res/ControlIds.h"
#ifdef TRACELET_HAVE_FFMPEG
#include "../support/VideoFrames.h"
#endif

#include <QImageReader>
#include <QProcess>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace {

#ifdef TRACELET_HAVE_FFMPEG
const char *const kVideoOrGif = "new.mp4";
#else
const char *const kVideoOrGif = "new.gif";
#endif

std::pair<int, std::string> render(std::vector<std::string> args)
{
    args.insert(args.begin(), "render");
    std::ostringstream out, err;
    const int status = renderCommand(args, out, err);
    return { status, err.str() };
}

std::vector<QImage> gifFrames(const std::string &path)
{
    QImageReader reader(QString::fromStdString(path));
    std::vector<QImage> frames;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read())
        frames.push_back(frame.convertToFormat(QImage::Format_RGB32));
    return frames;
}

// Seven points plotted every 100 ms, the data beside the setup.
std::string smallSetup(const TempDir &dir)
{
    dir.write("points.csv", "x,y\n1,2\n2,5\n3,4\n4,8\n5,7\n6,11\n7,12\n");
    return dir.write("small.kvs",
        setupFileText(kCorrSetupMagic,
            { "points.csv", "1", "2", "2", "100", "1", "100.0", "-100.0", "100.0", "-100.0" }));
}

QImage noise(QSize size, int colours, std::mt19937 &random)
{
    std::vector<QRgb> palette;
    for (int i = 0; i < colours; ++i)
        palette.push_back(qRgb(static_cast<int>(random() % 256), static_cast<int>(random() % 256),
            static_cast<int>(random() % 256)));
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, palette[random() % palette.size()]);
    return image;
}

// Writes pictures as a GIF, 40 ms apart, and decodes every frame back.
std::vector<QImage> throughGif(const std::vector<QImage> &pictures, const TempDir &dir)
{
    {
        OutputFile file(dir.file("through.gif"));
        GifEncoder gif(file, pictures.front().size(), GifOptions { 1, 0 });
        long long at = 0;
        for (const QImage &picture : pictures) {
            EXPECT_TRUE(gif.addFrame(picture, at, at + 40));
            at += 40;
        }
        EXPECT_TRUE(gif.finish());
        EXPECT_TRUE(file.commit());
    }
    return gifFrames(dir.file("through.gif"));
}

TEST(GifEncoderTest, framesDecodeToExactlyTheirPictures_whateverTheirColoursAndChanges)
{
    // Noise fills the code table so it restarts; then one changed pixel, a repeat, a plain frame,
    // a frame that brings a 256th colour, and noise back again.
    std::mt19937 random(12);
    std::vector<QImage> pictures;
    for (int colours : { 2, 3, 16, 17, 200, 255 })
        pictures.push_back(noise(QSize(301, 97), colours, random));
    QImage touched = pictures.back();
    touched.setPixel(300, 96, qRgb(1, 2, 3));
    pictures.push_back(touched);
    pictures.push_back(touched);
    QImage plain(301, 97, QImage::Format_RGB32);
    plain.fill(qRgb(0, 127, 11));
    pictures.push_back(plain);
    plain.setPixel(5, 5, qRgb(9, 9, 9));
    pictures.push_back(plain);
    pictures.push_back(noise(QSize(301, 97), 256, random));

    TempDir dir;
    const auto frames = throughGif(pictures, dir);
    ASSERT_EQ(frames.size(), pictures.size());
    for (std::size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(frames[i], pictures[i]) << "frame " << i;

    // More than 256 colours: the nearest a GIF can show, close to every pixel.
    QImage gradient(256, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 256; ++x)
            gradient.setPixel(x, y, qRgb(x, 255 - x, (x * 7 + y * 50) % 256));
    const auto decoded = throughGif({ gradient }, dir);
    ASSERT_EQ(decoded.size(), 1u);
    int worst = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 256; ++x)
            worst = std::max(worst, std::abs(qRed(decoded[0].pixel(x, y)) - x));
    EXPECT_LE(worst, 51); // the coarsest of Qt's tables still keeps six levels per channel
}

TEST(GifEncoderTest, windowsFrames_decodeBackExactly)
{
    // The first frames of the bundled path walk (the map scrolls under the walker) and a
    // correlation run, as the window draws them on the manual clock.
    TempDir dir;
    const std::string correlation = smallSetup(dir);
    const std::pair<std::string, std::size_t> runs[]
        = { { TRACELET_SAMPLES_DIR "/path_walk.kvt", 120 }, { correlation, 7 } };
    for (const auto &[setup, most] : runs) {
        RenderSession session;
        std::string error;
        const auto kind = setup.ends_with(".kvt") ? DiagramKind::Path : DiagramKind::Correlation;
        const auto scene = startScene(session, kind, setup, error);
        ASSERT_TRUE(scene && session.press(IDC_PLAY_PAUSE)) << setup << error;
        std::vector<QImage> pictures;
        while (pictures.size() < most && scene->animating()) {
            session.scripted.advance(scene->periodMs);
            pictures.push_back(session.picture().convertToFormat(QImage::Format_RGB32));
        }
        ASSERT_EQ(pictures.size(), most) << setup;
        const auto frames = throughGif(pictures, dir);
        ASSERT_EQ(frames.size(), pictures.size()) << setup;
        for (std::size_t i = 0; i < frames.size(); ++i)
            EXPECT_EQ(frames[i], pictures[i]) << setup << " frame " << i;
    }
}

TEST(RenderExportTest, loopScaleAndProgress_doWhatTheySay)
{
    TempDir dir;
    const std::string setup = smallSetup(dir);
    ASSERT_EQ(render({ setup, "-o", dir.file("plain.gif") }).first, 0);
    const auto plain = gifFrames(dir.file("plain.gif"));
    ASSERT_EQ(plain.size(), 7u);

    // --loop N plays N times: once has no loop block, three times repeats twice, 0 forever.
    const std::pair<const char *, std::string> loops[] = {
        { "1", "" },
        { "3", std::string("NETSCAPE2.0\x03\x01\x02\x00", 15) },
        { "0", std::string("NETSCAPE2.0\x03\x01\x00\x00", 15) },
    };
    for (const auto &[plays, block] : loops) {
        ASSERT_EQ(render({ setup, "-o", dir.file("loop.gif"), "--loop", plays }).first, 0);
        const std::string bytes = TempDir::read(dir.file("loop.gif"));
        EXPECT_EQ(bytes.find("NETSCAPE2.0") == std::string::npos, block.empty()) << plays;
        if (!block.empty()) {
            EXPECT_NE(bytes.find(block), std::string::npos) << plays;
        }
        EXPECT_EQ(gifFrames(dir.file("loop.gif")), plain) << plays;
    }

    // --scale 3: every pixel a 3 × 3 block of its colour, in the GIF and the PNG alike.
    ASSERT_EQ(render({ setup, "-o", dir.file("big.gif"), "--scale", "3" }).first, 0);
    ASSERT_EQ(render({ setup, "-o", dir.file("big.png"), "--scale", "3" }).first, 0);
    const auto big = gifFrames(dir.file("big.gif"));
    ASSERT_EQ(big.size(), 7u);
    const QImage bigPng
        = QImage(QString::fromStdString(dir.file("big.png"))).convertToFormat(QImage::Format_RGB32);
    const std::pair<QImage, QImage> pairs[]
        = { { big.front(), plain.front() }, { bigPng, plain.back() } };
    for (const auto &[enlarged, small] : pairs) {
        ASSERT_EQ(enlarged.size(), QSize(1575, 1050));
        int wrong = 0;
        for (int y = 0; y < 1050; ++y)
            for (int x = 0; x < 1575; ++x)
                wrong += enlarged.pixel(x, y) != small.pixel(x / 3, y / 3) ? 1 : 0;
        EXPECT_EQ(wrong, 0);
    }

    // Progress as lines when asked for; nothing on a pipe otherwise.
    QProcess quiet;
    quiet.start(TRACELET_EXE,
        { "render", QString::fromStdString(setup), "-o",
            QString::fromStdString(dir.file("q.gif")) });
    ASSERT_TRUE(quiet.waitForFinished(30000));
    EXPECT_EQ(quiet.exitCode(), 0);
    EXPECT_FALSE(quiet.readAllStandardError().contains("frame"));
    const auto [status, err] = render({ setup, "-o", dir.file("p.gif"), "--progress" });
    EXPECT_EQ(status, 0);
    EXPECT_NE(err.find("frame 7 of 7\n"), std::string::npos) << err;

    // Without the MP4 writer (not built, or its file gone) .mp4 says what is missing.
    QProcess noWriter;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TRACELET_MP4_PLUGIN", QString::fromStdString(dir.file("gone.so")));
    noWriter.setProcessEnvironment(environment);
    noWriter.start(TRACELET_EXE,
        { "render", QString::fromStdString(setup), "-o",
            QString::fromStdString(dir.file("x.mp4")) });
    ASSERT_TRUE(noWriter.waitForFinished(30000));
    EXPECT_EQ(noWriter.exitCode(), 1);
#ifdef TRACELET_HAVE_FFMPEG
    const char *const missing = "libtracelet_mp4.so is missing";
#else
    const char *const missing = "built without FFmpeg";
#endif
    EXPECT_TRUE(noWriter.readAllStandardError().contains(missing));
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.mp4")));
}

#ifdef TRACELET_HAVE_FFMPEG
// The default video plays everywhere: H.264 High in 4:2:0 with its index first, the picture
// padded with white to an even size, and sharp when enlarged; --exact keeps every colour.
TEST(RenderExportTest, videos_playEverywhereByDefault_andKeepEveryColourWhenExact)
{
    TempDir dir;
    const std::string setup = smallSetup(dir);
    ASSERT_EQ(render({ setup, "-o", dir.file("plain.gif") }).first, 0);
    const QImage last = gifFrames(dir.file("plain.gif")).back();
    struct Row
    {
        const char *name;
        std::vector<std::string> options;
        const char *pixelFormat;
        const char *profile;
        QSize size;
        int largest; // the largest difference of a colour channel from the picture
        double blurred; // the share of pixels more than 24 levels off: thin coloured lines
                        // lose colour in 4:2:0 unless enlarged
    };
    const Row rows[] = {
        { "default", {}, "yuv420p", "High", { 526, 350 }, 255, 0.05 },
        { "default, enlarged", { "--scale", "2" }, "yuv420p", "High", { 1050, 700 }, 24, 0.0 },
        { "exact", { "--exact" }, "yuv444p", "High 4:4:4 Predictive", { 525, 350 }, 2, 0.0 },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args { setup, "-o", dir.file("v.mp4") };
        args.insert(args.end(), row.options.begin(), row.options.end());
        const auto [status, err] = render(args);
        ASSERT_EQ(status, 0) << err;
        const VideoFrames video = decodeVideo(dir.file("v.mp4"));
        ASSERT_EQ(video.frames.size(), 7u) << video.error;
        EXPECT_EQ(video.codec, "h264");
        EXPECT_EQ(video.pixelFormat, row.pixelFormat);
        EXPECT_EQ(video.profile, row.profile);
        EXPECT_TRUE(video.indexFirst);
        const QImage &frame = video.frames.back();
        ASSERT_EQ(frame.size(), row.size);
        const int scale = row.size.height() / last.height();
        const QImage picture
            = last.scaled(last.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const PictureDifference difference = pictureDifference(frame, picture, 24);
        EXPECT_LE(difference.largest, row.largest);
        EXPECT_LE(difference.shareOver, row.blurred);
        // The added column and row are white.
        int palest = 255;
        for (int y = picture.height(); y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                palest = std::min({ palest, qRed(frame.pixel(x, y)), qBlue(frame.pixel(x, y)) });
        for (int x = picture.width(); x < frame.width(); ++x)
            for (int y = 0; y < frame.height(); ++y)
                palest = std::min({ palest, qRed(frame.pixel(x, y)), qBlue(frame.pixel(x, y)) });
        EXPECT_GE(palest, 250);
    }
}
#endif

TEST(RenderExportTest, interruptedRender_leavesNoPartialFile_andKeepsAnEarlierOne)
{
    // 2,500 frames take long enough to be interrupted half way.
    TempDir dir;
    const std::string setup = dir.write("long.kvs",
        setupFileText(kCorrSetupMagic,
            { TRACELET_SAMPLES_DIR "/correlation_2500.csv", "1", "2", "2", "50", "1", "100.0",
                "-100.0", "100.0", "-100.0" }));
    dir.write("kept.gif", "an earlier file");
    for (int signal : { SIGINT, SIGTERM }) {
        for (const char *name : { kVideoOrGif, "kept.gif" }) {
            QProcess child;
            child.setReadChannel(QProcess::StandardError);
            child.start(TRACELET_EXE,
                { "render", QString::fromStdString(setup), "-o",
                    QString::fromStdString(dir.file(name)), "--progress", "--size-limit", "5000" });
            ASSERT_TRUE(child.waitForStarted(10000));
            // Wait until frames are being written, then interrupt.
            QByteArray seen;
            while (!seen.contains("frame ") && child.waitForReadyRead(20000))
                seen += child.readAllStandardError();
            ASSERT_TRUE(seen.contains("frame ")) << seen.toStdString();
            ::kill(static_cast<pid_t>(child.processId()), signal);
            ASSERT_TRUE(child.waitForFinished(20000));
            EXPECT_EQ(child.exitStatus(), QProcess::CrashExit) << name; // ended by the signal
            EXPECT_EQ(dir.entryCount(), 2) << name << " after signal " << signal;
        }
    }
    EXPECT_TRUE(TempDir::read(dir.file("kept.gif")) == "an earlier file");
}

} // namespace
