#include "../core/TempDir.h"
#include "correlation/core/CorrSetupCheck.h"
#include "correlation/ui/CCorrSetupDlg.h"
#include "data/SetupFile.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"
#include "res/TraceletResources.h"
#include "tests/support/ScriptedPlatform.h"

#include <QPlainTextEdit>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <tuple>

namespace {

using SP = ScriptedPlatform;
using Step = SP::Step;
using Messages = std::vector<std::string>;

const std::string kNoDataFile = "データファイルが指定されていません。";
const std::string kBadColumn = "列指定不正です。";
const std::string kBadPlotSpeed = "プロット速度指定不正です。";
const std::string kBadRow = "行指定不正です。";
const std::string kBadSetupFile
    = "セットアップファイルに誤りがあります、手入力にてセットアップしてください。";
const std::string kBadSetupContents
    = "セットアップ内容に誤りがあります、内容を確認してもう一度保存を行ってください。";
const std::string kMagic = "KVT_GRIDWALK_SETUP_SOUKAN";

// Texts of the edits and states ("0"/"1") of the check boxes at one moment of a script. A
// snapshot after the dialog has closed does not run, so an empty one means "already closed".
using Shown = std::map<int, std::string>;

Step snapshot(Shown &out)
{
    return SP::call([&out](CDialog &d) {
        for (int id : { IDC_CORR_DATA_FILE, IDC_CORR_SETUP_FILE, IDC_CORR_X_COLUMN,
                 IDC_CORR_Y_COLUMN, IDC_CORR_PLOT_SPEED_CHECK, IDC_CORR_PLOT_SPEED,
                 IDC_CORR_START_ROW, IDC_CORR_AUTO_SCALE, IDC_CORR_X_TOP, IDC_CORR_X_BOTTOM,
                 IDC_CORR_Y_TOP, IDC_CORR_Y_BOTTOM }) {
            CButton control;
            control.Attach(d.controlWidget(id));
            out[id] = id == IDC_CORR_PLOT_SPEED_CHECK || id == IDC_CORR_AUTO_SCALE
                ? std::to_string(control.GetCheck())
                : control.GetWindowText();
        }
    });
}

// The stored setup, in file order.
auto stored(CorrSetup &setup)
{
    CorrSetupValues &s = setup.values;
    return std::tie(s.dataFilePath, s.xColumn, s.yColumn, s.dataStartRow, s.plotSpeedMs,
        s.autoScale, s.frameXTop, s.frameXBottom, s.frameYTop, s.frameYBottom);
}

class CorrSetupDialogTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { registerTraceletResources(); }
    void SetUp() override { installPlatform(&scripted); }
    void TearDown() override
    {
        installPlatform(nullptr);
        EXPECT_TRUE(scripted.problems().empty()) << scripted.problems().front();
        EXPECT_TRUE(scripted.scriptsDone());
    }

    // Runs the setup dialog; a save question, when one is expected, gets `answer`.
    int run(std::vector<Step> steps, std::optional<int> answer = std::nullopt)
    {
        scripted.expectDialog(IDD_CORR_SETUP, std::move(steps));
        if (answer)
            scripted.expectDialog(IDD_CONFIRM,
                { SP::call([this](CDialog &d) {
                     question = qobject_cast<QPlainTextEdit *>(d.controlWidget(IDC_CONFIRM_TEXT))
                                    ->toPlainText()
                                    .toStdString();
                 }),
                    SP::click(*answer) });
        CCorrSetupDlg dlg(rs);
        return dlg.DoModal();
    }
    Step fileButton(int id, std::optional<std::string> path)
    {
        scripted.answerFileDialog(std::move(path));
        return SP::click(id);
    }
    Step browse(std::optional<std::string> path)
    {
        return fileButton(IDC_CORR_BROWSE_DATA, std::move(path));
    }
    Step load(const std::string &path) { return fileButton(IDC_CORR_LOAD_SETUP, path); }
    Step saveAs(const std::string &path) { return fileButton(IDC_CORR_SAVE_SETUP, path); }
    // A setup accepted earlier: the dialog opens showing it, with nothing changed.
    void acceptEarlierSetup()
    {
        rs = CorrSetup();
        rs.done = true;
        stored(rs) = std::tuple("/data/run.csv", 1, 2, 1, 200, true, 100.0, -100.0, 100.0, -100.0);
    }

    ScriptedPlatform scripted;
    CorrSetup rs;
    std::string question; // the save question, when one was asked
    TempDir dir;
};

TEST_F(CorrSetupDialogTest, firstOpening_okWithoutDataFileReportsAndStaysOpen)
{
    const std::string file = dir.write("keep.kvs", "old contents");
    Shown afterCancel;
    // A cancelled choice withdraws the data file chosen before, though its path stays shown.
    run({ SP::click(IDOK), browse("C:\\data\\a.csv"), browse(std::nullopt), snapshot(afterCancel),
        SP::click(IDOK), saveAs(file), SP::click(IDCANCEL) });

    EXPECT_EQ(afterCancel[IDC_CORR_DATA_FILE], "C:/data/a.csv\n");
    EXPECT_EQ(scripted.messages(), (Messages { kNoDataFile, kNoDataFile, kBadSetupContents }));
    EXPECT_EQ(TempDir::read(file), "old contents");
    EXPECT_FALSE(rs.done);
}

TEST_F(CorrSetupDialogTest, ok_afterChoosingDataFile_asksToSave_declinedCloses_acceptedSaves)
{
    EXPECT_EQ(run({ browse("C:\\data\\a.csv"), SP::click(IDOK) }, IDCANCEL), IDOK);
    EXPECT_EQ(question, "設定内容は、新規もしくは変更されています。設定内容を保存しますか？");
    EXPECT_TRUE(rs.done);

    // Automatic scale saves the fixed frame. With the plot speed box off OK stores 0 and the save
    // it offers writes 0 and keeps it. A new setup names its axes from the data's headings.
    rs = CorrSetup();
    const std::string file = dir.file("s.kvs");
    run({ browse("/data/a.csv"), SP::typeText(IDC_CORR_X_TOP, "5.0"),
            SP::typeText(IDC_CORR_X_BOTTOM, "-3.0"), SP::click(IDOK), saveAs(file) },
        IDOK);
    EXPECT_EQ(TempDir::read(file),
        setupFileText(kMagic,
            { "/data/a.csv", "1", "2", "1", "0", "1", "100.0", "-100.0", "100.0", "-100.0" },
            { { "AXIS_TITLES", "1" } }));
    EXPECT_EQ(
        stored(rs), std::tuple("/data/a.csv", 1, 2, 1, 0, true, 100.0, -100.0, 100.0, -100.0));
}

TEST_F(CorrSetupDialogTest, ok_overAcceptedSetup_takesValidFields_asksToSaveOnlyAChange)
{
    // A refused field keeps its stored value and the dialog closes; only a change asks to save.
    // A refused row keeps it open (last row): the second OK finds column 4 stored already.
    const auto edit = [](int id, const char *text) {
        return std::vector { SP::setCheck(IDC_CORR_PLOT_SPEED_CHECK, true),
            SP::typeText(id, text) };
    };
    const std::tuple<std::vector<Step>, std::string, int, int, int, double, bool> rows[] = {
        { edit(IDC_CORR_X_COLUMN, "0"), kBadColumn, 1, 2, 200, -100, false },
        { edit(IDC_CORR_X_COLUMN, "10000"), "", 10000, 2, 200, -100, true },
        { edit(IDC_CORR_START_ROW, "3"), "", 1, 2, 200, -100, true },
        { edit(IDC_CORR_PLOT_SPEED, "49"), kBadPlotSpeed, 1, 2, 200, -100, false },
        { edit(IDC_CORR_PLOT_SPEED, "10001"), kBadPlotSpeed, 1, 2, 200, -100, false },
        { edit(IDC_CORR_PLOT_SPEED, "50"), "", 1, 2, 50, -100, true },
        { { SP::setCheck(IDC_CORR_PLOT_SPEED_CHECK, false) }, "", 1, 2, 0, -100, false },
        { { SP::setCheck(IDC_CORR_AUTO_SCALE, false), SP::typeText(IDC_CORR_Y_BOTTOM, " -1e1xyz") },
            "", 1, 2, 200, -10, true },
        { { SP::typeText(IDC_CORR_X_COLUMN, "4"), SP::typeText(IDC_CORR_START_ROW, "0"),
              SP::click(IDOK), SP::typeText(IDC_CORR_START_ROW, "1") },
            kBadRow, 4, 2, 200, -100, false },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        const auto &[edits, message, xColumn, yColumn, plotPeriodMs, yBottom, asks] = row;
        acceptEarlierSetup();
        scripted.clearMessages();
        std::vector<Step> steps = edits;
        steps.push_back(SP::click(IDOK));
        EXPECT_EQ(run(steps, asks ? std::optional(IDCANCEL) : std::nullopt), IDOK);
        EXPECT_EQ(scripted.messages(), message.empty() ? Messages {} : Messages { message });
        EXPECT_EQ(std::tuple(rs.values.xColumn, rs.values.yColumn, rs.values.plotSpeedMs,
                      rs.values.frameYBottom),
            std::tuple(xColumn, yColumn, plotPeriodMs, yBottom));
    }
}

TEST_F(CorrSetupDialogTest, save_appendsKvsUnlessNameEndsInIt)
{
    for (const auto &[chosen, written] : { std::pair { "abc", "abc.kvs" },
             { "abc.KVS", "abc.KVS.kvs" }, { "abc.kvs", "abc.kvs" } }) {
        SCOPED_TRACE(chosen);
        TempDir folder;
        run({ browse("/data/a.csv"), saveAs(folder.file(chosen)), SP::click(IDCANCEL) });
        EXPECT_EQ(static_cast<int>(folder.entryCount()), 1);
        EXPECT_NE(TempDir::read(folder.file(written)), "");
    }
}

TEST_F(CorrSetupDialogTest, save_invalidSetup_refused_existingFileUntouched)
{
    const Step manual = SP::setCheck(IDC_CORR_AUTO_SCALE, false);
    const std::vector<std::vector<Step>> rows {
        { manual, SP::typeText(IDC_CORR_X_TOP, "5"),
            SP::typeText(IDC_CORR_X_BOTTOM, "5.0") }, // X top == X bottom
        { manual, SP::typeText(IDC_CORR_X_TOP, "1e999") }, // overflows to infinity
        { SP::typeText(IDC_CORR_X_COLUMN, "0") },
    };
    const std::string file = dir.write("keep.kvs", "old contents");
    for (const std::vector<Step> &edits : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &edits - rows.data());
        acceptEarlierSetup();
        scripted.clearMessages();
        std::vector<Step> steps = edits;
        steps.insert(steps.end(), { saveAs(file), SP::click(IDCANCEL) });
        run(steps);
        EXPECT_EQ(scripted.messages(), Messages { kBadSetupContents });
        EXPECT_EQ(TempDir::read(file), "old contents");
    }
}

TEST_F(CorrSetupDialogTest, save_thatCannotBeWritten_saysWhy_keepsWhatWasThereAndTheFlags)
{
    // A folder of that name: no file can replace it.
    std::filesystem::create_directory(dir.file("taken.kvs"));
    // The chosen data file still asks to be saved.
    run({ browse("/data/a.csv"), saveAs(dir.file("taken.kvs")), SP::click(IDOK) }, IDCANCEL);
    EXPECT_EQ(scripted.messages(),
        Messages {
            "ファイルを保存できませんでした。\n" + dir.file("taken.kvs") + "\n(フォルダーです)" });
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("taken.kvs")));
}

TEST_F(CorrSetupDialogTest, load_completeFile_showsEveryLine_saveThenLoadRoundTrips)
{
    // The last line has no line break and is still read whole.
    const std::string lines = setupFileText(
        kMagic, { "D:\\x\\run.csv", "3", "5", "2", "100", "0", "50.0", "-50.0", "20.0" });
    const std::string file = dir.write("full.kvs", lines + "-20.5"), copy = dir.file("copy.kvs");
    Shown shown;
    // A refused OK leaves changes for the load to clear: OK after it asks nothing.
    run({ browse("/data/a.csv"), SP::typeText(IDC_CORR_Y_COLUMN, "9"),
        SP::typeText(IDC_CORR_START_ROW, "0"), SP::click(IDOK), load(file), snapshot(shown),
        saveAs(copy), SP::click(IDOK) });

    EXPECT_EQ(scripted.messages(), Messages { kBadRow });
    const Shown expected { { IDC_CORR_DATA_FILE, "D:/x/run.csv\n" },
        { IDC_CORR_SETUP_FILE, file + "\n" }, { IDC_CORR_X_COLUMN, "3" },
        { IDC_CORR_Y_COLUMN, "5" }, { IDC_CORR_PLOT_SPEED_CHECK, "1" },
        { IDC_CORR_PLOT_SPEED, "100" }, { IDC_CORR_START_ROW, "2" }, { IDC_CORR_AUTO_SCALE, "0" },
        { IDC_CORR_X_TOP, "50.0" }, { IDC_CORR_X_BOTTOM, "-50.0" }, { IDC_CORR_Y_TOP, "20.0" },
        { IDC_CORR_Y_BOTTOM, "-20.5" } };
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(TempDir::read(copy), lines + "-20.5\r\n");

    rs = CorrSetup();
    Shown cancelled;
    // A cancelled or unreadable load applies nothing.
    run({ fileButton(IDC_CORR_LOAD_SETUP, std::nullopt), snapshot(cancelled),
        load(dir.file("missing.kvs")), load(copy), SP::click(IDOK) });
    EXPECT_EQ(cancelled[IDC_CORR_SETUP_FILE], "");
    EXPECT_EQ(scripted.messages(), Messages { kBadRow }); // nothing new
    EXPECT_EQ(
        stored(rs), std::tuple("D:\\x\\run.csv", 3, 5, 2, 100, false, 50.0, -50.0, 20.0, -20.5));
}

TEST_F(CorrSetupDialogTest, load_negativePlotSpeedOrCutFile_showsWhatWasRead)
{
    const std::string negative = dir.write("neg.kvs",
        setupFileText(
            kMagic, { "/d.csv", "1", "2", "1", "-5", "1", "1.0", "-1.0", "1.0", "-1.0" }));
    const std::string cut
        = dir.write("cut.kvs", setupFileText(kMagic, { "/d/cut.csv", "4", "6", "3" }));
    Shown afterNegative, afterCut;
    run({ SP::setCheck(IDC_CORR_PLOT_SPEED_CHECK, true), load(negative), snapshot(afterNegative),
        load(cut), snapshot(afterCut), SP::click(IDCANCEL) });

    EXPECT_EQ(
        afterNegative[IDC_CORR_PLOT_SPEED] + "|" + afterNegative[IDC_CORR_PLOT_SPEED_CHECK], "|0");
    EXPECT_EQ(scripted.messages(), Messages { kBadSetupFile }); // from the cut file only
    Shown expected = afterNegative;
    std::tie(expected[IDC_CORR_DATA_FILE], expected[IDC_CORR_SETUP_FILE])
        = std::tuple("/d/cut.csv\n", cut + "\n");
    std::tie(expected[IDC_CORR_X_COLUMN], expected[IDC_CORR_Y_COLUMN], expected[IDC_CORR_START_ROW])
        = std::tuple("4", "6", "3");
    EXPECT_EQ(afterCut, expected);
}

TEST_F(CorrSetupDialogTest, load_badMagic_reportsAndAppliesNothing)
{
    const std::string values
        = setupFileText("/d.csv", { "3", "5", "2", "100", "0", "50.0", "-50.0", "20.0", "-20.0" });
    for (const std::string &bytes : { kMagic + " \r\n" + values, std::string() }) {
        SCOPED_TRACE(bytes.substr(0, 30));
        rs = CorrSetup();
        scripted.clearMessages();
        Shown shown;
        run({ browse("/data/a.csv"), load(dir.write("bad.kvs", bytes)), snapshot(shown),
            SP::click(IDCANCEL) });
        EXPECT_EQ(scripted.messages(), Messages { kBadSetupFile });
        EXPECT_EQ(std::tuple(rs.values.dataFilePath, shown[IDC_CORR_X_COLUMN]),
            std::tuple("/data/a.csv", "1"));
    }
}

} // namespace
