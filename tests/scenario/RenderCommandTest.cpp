// The command line's render: pictures, GIF and MP4 animations decoded back, its messages and
// exit statuses, and no partial file after an interrupt.

#include "app/RenderCommand.h"

#include "../core/TempDir.h"
#include "../support/GifFrames.h"
#include "app/CommandLine.h"
#include "app/Language.h"
#include "correlation/core/CorrSetupFile.h"
#include "data/SetupFile.h"
#include "export/GifEncoder.h"
#include "export/GifLzw.h"
#include "export/OutputFile.h"
#ifdef TRACELET_HAVE_FFMPEG
#include "../support/VideoFrames.h"
#endif

#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sstream>
#include <sys/stat.h>

namespace {

// The exit status and what went to standard error.
std::pair<int, std::string> render(std::vector<std::string> args)
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

#ifdef TRACELET_HAVE_FFMPEG
const char *const kVideoOrGif = "new.mp4";
#else
const char *const kVideoOrGif = "new.gif";
#endif

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

TEST(RenderCommandTest, animation_givesTheFramesAskedFor_loopsAndEndsOnTheFinishedPicture)
{
    // Options, frame count, delay of every frame but the last (ms).
    const std::tuple<std::vector<std::string>, int, int> rows[]
        = { { {}, 7, 100 }, { { "--frames-every", "300" }, 3, 300 },
              { { "--frames-every", "50" }, 14, 50 }, { { "--size-limit", "2" }, 2, 350 } };
    TempDir dir;
    const std::string setup = writeSmallSetup(dir, 100), gif = dir.file("anim.gif");
    ASSERT_EQ(render({ setup, "-o", dir.file("end.png") }).first, 0);
    std::map<int, std::vector<QImage>> shownBy; // by frame count
    for (const auto &[options, frames, delayMs] : rows) {
        SCOPED_TRACE(testing::PrintToString(options));
        std::vector<std::string> args { setup, "-o", gif };
        args.insert(args.end(), options.begin(), options.end());
        ASSERT_EQ(render(args).first, 0);

        const auto [shown, delays] = readGif(gif);
        ASSERT_EQ(static_cast<int>(delays.size()), frames);
        EXPECT_EQ(std::count(delays.begin(), delays.end() - 1, delayMs), frames - 1);
        EXPECT_EQ(delays.back(), std::max(2000, delayMs)); // rests on the end
        EXPECT_EQ(shown.back(), readImage(dir.file("end.png")));
        const std::string bytes = TempDir::read(gif);
        EXPECT_EQ(bytes.substr(0, 6), "GIF89a"); // the version that animates
        EXPECT_NE(bytes.find(std::string("NETSCAPE2.0\x03\x01\x00\x00", 15)), std::string::npos);
        shownBy[frames] = shown;
    }
    // Frames further apart show what the window shows at their moment, ticks between unseen.
    EXPECT_TRUE(shownBy[3][0] == shownBy[7][2] && shownBy[3][1] == shownBy[7][5]);

    // A limit the animation's time does not divide: never more frames than the limit.
    ASSERT_EQ(render({ setup, "-o", gif, "--size-limit", "6" }).first, 0);
    EXPECT_EQ(gifFrames(gif).size(), 6u);
}

// Plot speeds between tens of milliseconds: a GIF counts in tens, so each delay is rounded where
// the animation stands on the clock, never drifting from it; a video keeps every time exactly.
TEST(RenderCommandTest, periodsBetweenTensOfMilliseconds_neverDriftFromTheClock)
{
    TempDir dir;
    for (int periodMs : { 55, 73 }) {
        const std::string setup = writeSmallSetup(dir, periodMs);
        ASSERT_EQ(render({ setup, "-o", dir.file("odd.gif") }).first, 0);
        const std::vector<int> delays = readGif(dir.file("odd.gif")).delays;
        ASSERT_EQ(delays.size(), 7u);
        // Point k is plotted at (k + 1) × the period; the first one at the period, in tens.
        int shownMs = (periodMs + 5) / 10 * 10;
        for (int k = 1; k < 7; ++k) {
            shownMs += delays[static_cast<std::size_t>(k - 1)];
            EXPECT_LE(std::abs(shownMs - (k + 1) * periodMs), 5) << periodMs << " ms, point " << k;
        }
#ifdef TRACELET_HAVE_FFMPEG
        ASSERT_EQ(render({ setup, "-o", dir.file("odd.mp4") }).first, 0);
        std::vector<long long> starts;
        for (int k = 1; k <= 7; ++k)
            starts.push_back(k * periodMs);
        EXPECT_EQ(decodeVideo(dir.file("odd.mp4")).startsMs, starts) << periodMs;
#endif
    }
}

TEST(RenderCommandTest, stillSetup_isOneFrame_writesOnlyItsOutputs_keepingALinksTargetAndMode)
{
    // The edit keeps 19 characters of this value, so OK would ask to save; rendering must not.
    TempDir dir;
    const std::string setup = writeSmallSetup(dir, 0, "0.00000000000000000012");
    const mode_t previous = umask(022);
    const int gifStatus = render({ setup, "-o", dir.file("a.gif") }).first;
    const int pngStatus = render({ setup, "-o", dir.file("a.PNG") }).first; // any case
    umask(previous);
    ASSERT_EQ(std::pair(gifStatus, pngStatus), std::pair(0, 0));
    EXPECT_EQ(gifFrames(dir.file("a.gif")).size(), 1u);
    EXPECT_EQ(static_cast<int>(dir.entryCount()), 4);
    EXPECT_EQ(TempDir::read(setup), corrSetup("1", 0, "0.00000000000000000012"));
    // An output through a symbolic link replaces the link's target and keeps its mode.
    const std::string target = dir.write("kept.gif", "old");
    ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
    std::filesystem::create_symlink("kept.gif", dir.file("link.gif"));
    ASSERT_EQ(render({ setup, "-o", dir.file("link.gif") }).first, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.gif")));
    EXPECT_EQ(QImageReader(QString::fromStdString(target)).format(), "gif");
    for (const auto &[name, mode] :
        { std::pair { "a.gif", 0644u }, { "a.PNG", 0644u }, { "kept.gif", 0600u } }) {
        struct stat info = {};
        ASSERT_EQ(stat(dir.file(name).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, mode) << name;
    }
}

// (A first-row period of 2147483647 ms is a seed of the render fuzz harness: it must end.)
TEST(RenderCommandTest, pathSetup_aFailedMapIsToldBesideTheDataWarning)
{
    TempDir dir;
    // No map named and none in the start-up folder, a data file with a text field: both are told.
    dir.write("text.csv", "X,Y\n10,10,0,1000,50\n20,n/a,0\n");
    dir.write(
        "nomap.kvt", setupFileText("KVT_GRIDWALK_SETUP", { "", "0", "0", "", "", "text.csv" }));
    const auto [status, err] = render({ dir.file("nomap.kvt"), "-o", dir.file("nomap.png") });
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("数値のない行 1 行をデータから除きました (3 行目)"), std::string::npos)
        << err;
    EXPECT_NE(err.find("バックグラウンドスクリーン設定失敗"), std::string::npos) << err;
}

TEST(RenderCommandTest, pathSetup_playsItsWalk_fromAnyFolder_andEndsOnTheLastFrame)
{
    TempDir dir;
    const std::string kvt = TRACELET_SAMPLES_DIR "/path_walk.kvt";
    ASSERT_EQ(render({ kvt, "-o", dir.file("walk.png") }).first, 0);
    ASSERT_EQ(render({ kvt, "-o", dir.file("walk.gif"), "--size-limit", "1000" }).first, 0);
    const auto [frames, delays] = readGif(dir.file("walk.gif"));
    ASSERT_EQ(delays.size(), 300u);
    EXPECT_EQ(delays.front(), 50);
    const QImage png = readImage(dir.file("walk.png"));
    EXPECT_EQ(frames.back(), png);
    // The trail and the walker (red shirt) on the map.
    EXPECT_GT(countPixels(png, qRgb(255, 0, 255), png.rect()), 300);
    EXPECT_GT(countPixels(png, qRgb(200, 56, 52), png.rect()), 10);

    // Taught points are told as route tells them: no point, too many, or lines left out.
    std::string tooMany = "x,y\n";
    for (int i = 0; i <= 10000; ++i)
        tooMany += "1,2\n";
    // points file, exit status, what stderr says
    const std::tuple<std::string, int, const char *> taught[] = {
        { "x,y\n", 1, "no teaching point in" },
        { tooMany, 1, "too many teaching points: more than 10000" },
        { "x,y\n1,2\n\n3,4\n", 0, "2 行を読みました。除いた行: 空行 1 (3 行目)" },
    };
    for (const auto &[points, expected, says] : taught) {
        const auto [taughtStatus, taughtErr] = render(
            { kvt, "-o", dir.file("taught.png"), "--taught", dir.write("points.csv", points) });
        EXPECT_EQ(taughtStatus, expected) << says;
        EXPECT_NE(taughtErr.find(says), std::string::npos) << taughtErr;
    }
}

// A character the window cannot draw is told on standard error and the walk still renders. On an
// English machine the note is in English, the picture as written unless a language is asked for,
// so that a script gets the same picture everywhere.
TEST(RenderCommandTest, notesFollowTheLanguage_picturesOnlyWhenAsked)
{
    TempDir dir;
    dir.write("walk.kvt",
        setupFileText("KVT_GRIDWALK_SETUP",
            { TRACELET_SAMPLES_DIR "/bitmap1.bmp", "-600", "-400", "walk.csv", "",
                TRACELET_SAMPLES_DIR "/path_walk.csv" }));
    dir.write("walk.csv", "not a bitmap");
    struct BackToJapanese
    {
        ~BackToJapanese() { installLanguage("ja"); }
    } backToJapanese;

    installLanguage("en", "ja");
    const auto [status, err] = render({ dir.file("walk.kvt"), "-o", dir.file("machine.png") });
    EXPECT_EQ(status, 0);
    EXPECT_NE(err.find("note: Please use a 24-bit full-colour bitmap"), std::string::npos) << err;
    installLanguage("ja");
    const auto written = render({ dir.file("walk.kvt"), "-o", dir.file("written.png") });
    ASSERT_EQ(written.first, 0);
    EXPECT_NE(written.second.find("note: ２４ビットフルカラービットマップ"), std::string::npos);
    EXPECT_EQ(readImage(dir.file("machine.png")), readImage(dir.file("written.png")));

    const auto asked = render({ dir.file("walk.kvt"), "-o", dir.file("en.png"), "--lang", "en" });
    EXPECT_NE(asked.second.find("note: Please use"), std::string::npos) << asked.second;
    EXPECT_NE(readImage(dir.file("en.png")), readImage(dir.file("written.png")));
}

TEST(RenderCommandTest, badInput_failsWithStatusOne_andWritesNothing)
{
    // Setup text (empty: no setup file), points.csv (nullptr: none), what the error mentions.
    const std::tuple<std::string, const char *, const char *> rows[] = {
        { "", nullptr, "cannot read" },
        { "x,y\n1,2\n", nullptr, "not a correlation or path setup" },
        { "KVT_GRIDWALK_SETUP\r\nmap.bmp\r\n", nullptr,
            "bad.kvs: セットアップファイルに誤りがあります" },
        { setupFileText(kCorrSetupMagic, { "points.csv", "1", "2" }), "x,y\n1,2\n",
            "セットアップファイルに誤りがあります" },
        { corrSetup("0", 0), "1,2\n", "列指定不正です。" },
        { corrSetup("1", 0), nullptr, "points.csv named in bad.kvs" },
        { corrSetup("1", 100), "x,y\n", "no data rows" },
    };
    for (const auto &[setup, data, mentions] : rows) {
        TempDir dir;
        if (!setup.empty())
            dir.write("bad.kvs", setup);
        if (data)
            dir.write("points.csv", data);
        const auto [status, err] = render({ dir.file("bad.kvs"), "-o", dir.file("out.gif") });
        EXPECT_EQ(status, 1) << mentions;
        EXPECT_NE(err.find(mentions), std::string::npos) << err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.gif"))) << mentions;
    }
    // A picture that cannot be saved says why.
    TempDir dir;
    dir.write("points.csv", "x,y\n1,2\n");
    const auto [status, err]
        = render({ dir.write("one.kvs", corrSetup("1", 0)), "-o", dir.file("missing/out.png") });
    EXPECT_EQ(status, 1);
    EXPECT_NE(
        err.find("cannot write " + dir.file("missing/out.png") + ": No such file or directory"),
        std::string::npos)
        << err;
}

TEST(RenderCommandTest, badUsage_givesStatusTwoWithTheUsage_helpGivesZero)
{
    const std::string kvs = TRACELET_SAMPLES_DIR "/correlation_2500.kvs";
    const std::vector<std::vector<std::string>> bad { {}, { kvs }, { kvs, "-o", "out.jpg" },
        { kvs, kvs, "-o", "out.png" }, { kvs, "-o", "out.gif", "--frames-every", "5" },
        { kvs, "-o", "out.gif", "--size-limit", "0" }, { kvs, "-o", "out.gif", "--fps", "10" },
        { kvs, "-o", "out.gif", "--scale", "9" }, { kvs, "-o", "out.gif", "--scale", "1.5" },
        { kvs, "-o", "out.gif", "--loop", "x" }, { kvs, "-o", "out.mp4", "--loop", "2" },
        { kvs, "-o", "out.gif", "--exact" } };
    for (const auto &args : bad) {
        const auto [status, err] = render(args);
        EXPECT_EQ(status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(err.find("Usage: tracelet render"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists("out.gif"));
    std::ostringstream out, err;
    EXPECT_EQ(runCommandLine({ "render", "--help" }, out, err), 0);
    EXPECT_NE(out.str().find("--frames-every"), std::string::npos);
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
}

// Indices of 48 colours that repeat along diagonals, shifted `shift` pixels to the left, so that
// the code table fills with strings that keep matching; rows where y % 16 < 4 are runs. From
// row `from` on, another such pattern or noise, for which the full table is less apt.
enum class Below { Pattern, Noise };
struct Texture
{
    const char *name;
    int from;
    Below below;
};
const Texture kTextures[]
    = { { "one pattern", 131, Below::Pattern }, { "two patterns", 60, Below::Pattern },
          { "pattern over noise", 70, Below::Noise }, { "noise", 0, Below::Noise } };
const QSize kTextureSize(211, 131);

std::vector<std::uint8_t> textureIndices(const Texture &texture, int shift)
{
    std::mt19937 random(static_cast<unsigned>(shift));
    std::vector<std::uint8_t> indices;
    for (int y = 0; y < kTextureSize.height(); ++y) {
        for (int x = 0; x < kTextureSize.width(); ++x) {
            const int u = x + shift;
            int v = y % 16 < 4 ? (u / 37 + y) % 48 : (u * 7 + y * 5 + (u * y) % 11) % 48;
            if (y >= texture.from)
                v = texture.below == Below::Noise ? static_cast<int>(random() % 48)
                                                  : (u * 3 + y * 11 + (u + y) % 7) % 48;
            indices.push_back(static_cast<std::uint8_t>(v));
        }
    }
    return indices;
}

TEST(GifEncoderTest, framesThatFillTheCodeTable_decodeExactly_howeverLongTheTableIsKept)
{
    // Large frames that mostly change, written whole, whose code table fills: kept full a while
    // or started afresh, sooner or later.
    for (const Texture &texture : kTextures) {
        std::vector<QImage> pictures;
        for (int shift : { 0, 3, 9, 10, 40 }) {
            QImage picture(kTextureSize, QImage::Format_RGB32);
            const std::vector<std::uint8_t> indices = textureIndices(texture, shift);
            auto index = indices.begin();
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x, ++index)
                    picture.setPixel(x, y, qRgb(*index * 5, 255 - *index * 3, *index * 11 % 256));
            pictures.push_back(picture);
        }
        TempDir dir;
        const auto frames = throughGif(pictures, dir);
        ASSERT_EQ(frames.size(), pictures.size()) << texture.name;
        for (std::size_t i = 0; i < frames.size(); ++i)
            EXPECT_EQ(frames[i], pictures[i]) << texture.name << ", frame " << i;
    }
}

TEST(GifLzwTest, parsingAgainFromWhereTheTableFilled_givesTheCodesOfAFreshParse)
{
    for (const Texture &texture : kTextures) {
        const std::vector<std::uint8_t> indices = textureIndices(texture, 0);
        GifLzw lzw, fresh;
        std::vector<std::uint16_t> codes, expected;
        ASSERT_FALSE(lzw.parse(indices, 6, codes)) << texture.name << ": the table fills";
        // The second goes on from where the first would have kept the table no longer.
        for (const auto &[keepFull, later] : { std::pair(1.0, 1.3), std::pair(1.3, 0.0) }) {
            lzw.parseAgain(keepFull, codes, later);
            fresh.parse(indices, 6, expected, nullptr, keepFull);
            EXPECT_EQ(codes, expected) << texture.name << ", keeping it " << keepFull;
        }
    }
}

TEST(RenderCommandTest, loopScaleAndProgress_doWhatTheySay)
{
    TempDir dir;
    const std::string setup = writeSmallSetup(dir, 100);
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
        const auto at = bytes.find("NETSCAPE2.0");
        EXPECT_EQ(at == std::string::npos ? "" : bytes.substr(at, 15), block) << plays;
    }

    // --scale 3: every pixel a 3 × 3 block of its colour, in the GIF and the PNG alike.
    ASSERT_EQ(render({ setup, "-o", dir.file("big.gif"), "--scale", "3" }).first, 0);
    ASSERT_EQ(render({ setup, "-o", dir.file("big.png"), "--scale", "3" }).first, 0);
    const auto big = gifFrames(dir.file("big.gif"));
    ASSERT_EQ(big.size(), 7u);
    const QImage bigPng = readImage(dir.file("big.png"));
    const auto times3 = [](const QImage &small) {
        return small.scaled(small.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    };
    EXPECT_EQ(big.front(), times3(plain.front()));
    EXPECT_EQ(bigPng, times3(plain.back()));

    // Progress as lines when asked for.
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
TEST(RenderCommandTest, videos_playEverywhereByDefault_andKeepEveryColourWhenExact)
{
    TempDir dir;
    const std::string setup = writeSmallSetup(dir, 100);
    ASSERT_EQ(render({ setup, "-o", dir.file("plain.gif") }).first, 0);
    const auto plain = gifFrames(dir.file("plain.gif"));
    ASSERT_EQ(plain.size(), 7u);
    const QImage &last = plain.back();
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
        EXPECT_EQ(video.pixelFormat, row.pixelFormat);
        EXPECT_EQ(video.profile, row.profile);
        const std::string bytes = TempDir::read(dir.file("v.mp4")); // the index first: it streams
        EXPECT_LT(bytes.find("moov"), bytes.find("mdat"));
        const QImage &frame = video.frames.back();
        ASSERT_EQ(frame.size(), row.size);
        const int scale = row.size.height() / last.height();
        const QImage picture
            = last.scaled(last.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const PictureDifference difference = pictureDifference(frame, picture, 24);
        EXPECT_LE(difference.largest, row.largest);
        EXPECT_LE(difference.shareOver, row.blurred);
        const QImage added
            = frame.copy(picture.width(), 0, frame.width() - picture.width(), frame.height());
        QImage white(added.size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        EXPECT_LE(pictureDifference(added, white).largest, 5); // the added column is white
    }
}
#endif

TEST(RenderCommandTest, interruptedRender_leavesNoPartialFile_andKeepsAnEarlierOne)
{
    // 2,500 frames take long enough to be interrupted half way.
    TempDir dir;
    const std::string setup = dir.write("long.kvs",
        setupFileText(kCorrSetupMagic,
            { TRACELET_SAMPLES_DIR "/correlation_2500.csv", "1", "2", "2", "50", "1", "100.0",
                "-100.0", "100.0", "-100.0" }));
    dir.write("kept.gif", "an earlier file");
    for (const auto &[signal, name] :
        { std::pair { SIGINT, kVideoOrGif }, { SIGTERM, "kept.gif" } }) {
        {
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
