// The window's picture and animation commands, driven as a person would; exports decoded back.

#include "../support/GifFrames.h"
#include "../support/PathScenario.h"
#include "app/Language.h"
#include "correlation/core/CorrSetupFile.h"
#include "data/SetupFile.h"
#include "export/AnimationExport.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <fstream>
#ifdef TRACELET_HAVE_FFMPEG
#include "../support/VideoFrames.h"
#endif

namespace {

using P = ScriptedPlatform;

// How an export ended, once it has.
struct Outcome
{
    bool done = false;
    bool ok = false;
    QString message;
};

void watch(AnimationExport *job, Outcome &outcome)
{
    QObject::connect(job, &AnimationExport::finished, [&outcome](bool ok, const QString &message) {
        outcome = Outcome { true, ok, message };
    });
}

bool waitFor(const std::function<bool()> &condition, int timeoutMs = 60000)
{
    QElapsedTimer waited;
    waited.start();
    QTimer wake; // so that the wait below ends also when nothing happens
    wake.start(50);
    while (!condition() && waited.elapsed() < timeoutMs)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return condition();
}

class WindowExportTest : public PathScenario
{
protected:
    void SetUp() override
    {
        PathScenario::SetUp();
        AnimationExport::program() = TRACELET_EXE;
    }

    // A setup whose seven points are plotted every 100 ms, its data beside it.
    std::string smallSetup(int plotSpeedMs = 100)
    {
        const auto data = writeFile("points.csv", "x,y\n1,2\n2,5\n3,4\n4,8\n5,7\n6,11\n7,12\n");
        return writeFile("small.kvs",
            setupFileText(kCorrSetupMagic,
                { data.string(), "1", "2", "2", std::to_string(plotSpeedMs), "1", "100.0", "-100.0",
                    "100.0", "-100.0" }))
            .string();
    }

    // Exports through the menu to `name`; the result the export finished with.
    std::pair<bool, QString> exportAnimation(const std::string &name)
    {
        scripted.answerFileDialog((tempDir() / name).string());
        systemCommand(IDM_EXPORT_ANIMATION);
        AnimationExport *job = dlg->animationExport();
        if (!job)
            return { false, "no export started" };
        Outcome outcome;
        watch(job, outcome);
        if (!waitFor([&outcome] { return outcome.done; }))
            return { false, "timed out" };
        return { outcome.ok, outcome.message };
    }

    QImage picture() const { return canvas().copy(0, 0, 525, 350); }

    std::vector<std::string> folderEntries()
    {
        std::vector<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(tempDir()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(
    WindowExportTest, setupFileFromTheCommandLine_opensItsDialogFilledIn_andExportsMatchTheWindow)
{
    const std::string setup = smallSetup();
    std::string shownSetup;
    scripted.expectDialog(IDD_CORR_SETUP,
        { P::call([&shownSetup](CDialog &d) {
             shownSetup = d.GetDlgItem(IDC_CORR_SETUP_FILE)->GetWindowText();
         }),
            P::click(IDOK) });
    dlg->OpenSetupFile(setup);
    EXPECT_EQ(shownSetup, setup + "\n");
    ASSERT_TRUE(corr().running() && pb().ready());

    // What the window shows after the first point and at the end.
    click(IDC_PLAY_PAUSE);
    scripted.advance(100);
    const QImage first = picture();
    scripted.advance(1000);
    ASSERT_FALSE(pb().playing());
    const QImage last = picture();
    ASSERT_NE(first, last);

    const auto [gifOk, gifMessage] = exportAnimation("anim"); // the extension comes by default
    ASSERT_TRUE(gifOk) << gifMessage.toStdString();
    const auto frames = gifFrames((tempDir() / "anim.gif").string());
    ASSERT_EQ(frames.size(), 7u);
    EXPECT_EQ(frames.front(), first);
    EXPECT_EQ(frames.back(), last);

#ifdef TRACELET_HAVE_FFMPEG
    const auto [mp4Ok, mp4Message] = exportAnimation("anim.mp4"); // the format by its name
    ASSERT_TRUE(mp4Ok) << mp4Message.toStdString();
    EXPECT_EQ(decodeVideo((tempDir() / "anim.mp4").string()).frames.size(), 7u);
#endif

    // The picture as shown, with .png added to a name without it.
    scripted.answerFileDialog((tempDir() / "shown").string());
    systemCommand(IDM_SAVE_PICTURE);
    EXPECT_EQ(QImage(QString::fromStdString((tempDir() / "shown.png").string()))
                  .convertToFormat(QImage::Format_RGB32),
        last);
    scripted.answerFileDialog(std::nullopt);
    systemCommand(IDM_EXPORT_ANIMATION); // cancelled in the file dialog: nothing happens
    std::vector<std::string> expected { "anim.gif", "points.csv", "shown.png", "small.kvs" };
#ifdef TRACELET_HAVE_FFMPEG
    expected.insert(expected.begin() + 1, "anim.mp4");
#endif
    EXPECT_EQ(folderEntries(), expected);
    const auto gifSize = std::filesystem::file_size(tempDir() / "anim.gif");
    ASSERT_FALSE(scripted.messages().empty());
    EXPECT_EQ(scripted.messages().front(),
        "アニメーションを書き出しました。\n" + (tempDir() / "anim.gif").string() + " ("
            + std::to_string((gifSize + 1023) / 1024) + " KB)");
}

TEST_F(WindowExportTest, englishWindow_exportsItsEnglishReadOuts)
{
    installLanguage("en");
    struct BackToJapanese
    {
        ~BackToJapanese() { installLanguage("ja"); }
    } backToJapanese;
    scripted.expectDialog(IDD_CORR_SETUP, { P::click(IDOK) });
    dlg->OpenSetupFile(smallSetup());
    click(IDC_PLAY_PAUSE);
    scripted.advance(1100);
    ASSERT_FALSE(pb().playing());
    ASSERT_TRUE(exportAnimation("english.gif").first);
    EXPECT_EQ(lastGifFrame((tempDir() / "english.gif").string()), picture());
}

// The taught points stay ringed in the export as in the window, and the zoom in use is exported.
TEST_F(WindowExportTest, teachingAndZoom_exportWhatTheWindowShows)
{
    path().setStartupDirectory(samplesDir().string()); // the default map
    scripted.answerFileDialog((tempDir() / "route.csv").string());
    scripted.expectDialog(IDD_PATH_SETUP,
        { toggle(IDC_PATH_TEACHING), P::typeText(IDC_PATH_MOVE_TIME, "200"), P::click(IDOK) });
    scripted.expectDialog(IDD_CONFIRM, { P::click(IDCANCEL) });
    click(IDC_PATH_RUN);
    scripted.advance(200);
    for (auto [x, y] : { std::pair { 60, 300 }, { 200, 150 }, { 400, 250 } })
        clickAt(x, y);
    const auto playToTheEnd = [this] {
        click(IDC_PLAY_PAUSE);
        for (int i = 0; i < 100 && !pb().atEnd(); ++i)
            scripted.advance(pb().periodMs());
        return picture();
    };
    const QImage taught = playToTheEnd();
    ASSERT_TRUE(exportAnimation("taught.gif").first);
    EXPECT_EQ(lastGifFrame((tempDir() / "taught.gif").string()), taught);

    click(IDC_ZOOM_OUT);
    const QImage zoomed = playToTheEnd(); // one press at the end plays again from the start
    ASSERT_NE(zoomed, taught);
    ASSERT_TRUE(exportAnimation("zoomed.gif").first);
    EXPECT_EQ(lastGifFrame((tempDir() / "zoomed.gif").string()), zoomed);
}

TEST_F(WindowExportTest, cancelledExport_leavesNoFile_andTheWindowGoesOn)
{
    const auto data = std::filesystem::path(TRACELET_SAMPLES_DIR) / "correlation_2500.csv";
    const auto setup = writeFile("long.kvs",
        setupFileText(kCorrSetupMagic,
            { data.string(), "1", "2", "2", "50", "1", "100.0", "-100.0", "100.0", "-100.0" }));
    scripted.expectDialog(IDD_CORR_SETUP, { P::click(IDOK) });
    dlg->OpenSetupFile(setup.string());
    ASSERT_TRUE(corr().running());
    writeFile("long.gif", "an earlier file");

    scripted.answerFileDialog((tempDir() / "long.gif").string());
    systemCommand(IDM_EXPORT_ANIMATION);
    AnimationExport *job = dlg->animationExport();
    ASSERT_NE(job, nullptr);
    Outcome outcome;
    watch(job, outcome);
    QProgressDialog *progress = job->progressDialog();
    ASSERT_TRUE(progress && progress->isVisible());
    EXPECT_EQ(progress->labelText(), "アニメーションを書き出しています...");
    waitFor([&] { return progress->value() >= 1 || outcome.done; });
    ASSERT_GE(progress->value(), 1);
    EXPECT_EQ(progress->maximum(), 2500);
    auto *cancel = progress->findChild<QPushButton *>();
    ASSERT_TRUE(cancel && cancel->text() == "中止");
    cancel->click();
    ASSERT_TRUE(waitFor([&outcome] { return outcome.done; }));
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(folderEntries(), (std::vector<std::string> { "long.gif", "long.kvs" }));
    std::string kept;
    std::getline(std::ifstream(tempDir() / "long.gif"), kept);
    EXPECT_EQ(kept, "an earlier file");

    click(IDC_PLAY_PAUSE);
    scripted.advance(500);
    EXPECT_EQ(pb().index(), 10);
    EXPECT_TRUE(scripted.messages().empty());
}

TEST_F(WindowExportTest, nothingRunning_exportSays_so_andF1OpensTheAboutBox)
{
    systemCommand(IDM_EXPORT_ANIMATION);
    ASSERT_EQ(scripted.messages().size(), 1u);
    EXPECT_EQ(scripted.messages()[0],
        "書き出す図がありません。相関図か経路図を実行してから書き出してください。");
    EXPECT_EQ(dlg->animationExport(), nullptr);

    scripted.expectDialog(IDD_ABOUTBOX, { P::click(IDOK) });
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(dlg->widget(), &f1);
    EXPECT_EQ(scripted.shownDialogs(), std::vector<int> { IDD_ABOUTBOX });

    EXPECT_TRUE(dlg->widget()->windowFlags() & Qt::WindowMinimizeButtonHint);
}

} // namespace
