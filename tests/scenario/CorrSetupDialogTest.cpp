#include "correlation/ui/CCorrSetupDlg.h"
#include "platform/ScriptedPlatform.h"
#include "res/ResourceIds.h"
#include "res/TraceletResources.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <tuple>

namespace {

namespace fs = std::filesystem;
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
const std::string kSetupFilter = "ｾｯﾄｱｯﾌﾟ Files (*.kvs)|*.kvs|All Files (*.*)|*.*||";

// Texts of the edits and states ("0"/"1") of the check boxes at one moment of a script. A
// snapshot after the dialog has closed does not run, so an empty one means "already closed".
using Shown = std::map<int, std::string>;
const Shown kDefaults { { 1006, "" }, { 1010, "" }, { 1034, "1" }, { 1035, "2" }, { 1038, "0" },
    { 1039, "50" }, { 1040, "1" }, { 1041, "1" }, { 1042, "100.0" }, { 1043, "-100.0" },
    { 1044, "100.0" }, { 1045, "-100.0" } };

Step snapshot(Shown &out)
{
    return SP::call([&out](CDialog &d) {
        for (const auto &[id, unused] : kDefaults) {
            CButton control;
            control.Attach(d.controlWidget(id));
            out[id] = id == 1038 || id == 1041 ? std::to_string(control.GetCheck())
                                               : control.GetWindowText();
        }
    });
}

// The stored setup, in file order.
auto stored(const RunState &s)
{
    return std::tuple(s.dataFilePath, s.xColumn, s.yColumn, s.dataStartRow, s.plotPeriodMs,
        s.corrAutoScale, s.corrFrameXTop, s.corrFrameXBottom, s.corrFrameYTop, s.corrFrameYBottom);
}

// The change flags as "0"/"1", index 0 first.
std::string flags(const RunState &s)
{
    std::string out;
    for (bool changed : s.corrSetupChanged)
        out += changed ? '1' : '0';
    return out;
}

std::string setupFile(const std::vector<std::string> &lines)
{
    std::string bytes;
    for (const std::string &line : lines)
        bytes += line + "\r\n";
    return bytes;
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
        if (!m_dir.empty())
            fs::remove_all(m_dir);
    }

    // Runs the setup dialog; a save question, when one is expected, gets `answer`.
    int run(std::vector<Step> steps, std::optional<int> answer = std::nullopt)
    {
        scripted.expectDialog(IDD_CORR_SETUP, std::move(steps));
        if (answer)
            scripted.expectDialog(IDD_CONFIRM, { SP::click(*answer) });
        CCorrSetupDlg dlg(rs);
        return dlg.DoModal();
    }
    Step fileButton(int id, std::optional<std::string> path)
    {
        scripted.answerFileDialog(std::move(path));
        return SP::click(id);
    }
    Step browse(std::optional<std::string> path) { return fileButton(1000, std::move(path)); }
    Step load(const fs::path &path) { return fileButton(1005, path.string()); }
    Step saveAs(const fs::path &path) { return fileButton(1007, path.string()); }
    // A setup accepted earlier: the dialog opens showing it, with nothing changed.
    void acceptEarlierSetup()
    {
        rs.corrSetupDone = true;
        std::tie(rs.dataFilePath, rs.xColumn, rs.yColumn, rs.dataStartRow, rs.plotPeriodMs,
            rs.corrAutoScale)
            = std::tuple("/data/run.csv", 1, 2, 1, 200, true);
        rs.corrFrameXTop = rs.corrFrameYTop = 100.0;
        rs.corrFrameXBottom = rs.corrFrameYBottom = -100.0;
    }
    fs::path dir()
    {
        if (m_dir.empty()) {
            m_dir = fs::temp_directory_path()
                / ("tracelet-corrsetup-" + std::to_string(std::random_device {}()));
            fs::create_directories(m_dir);
        }
        return m_dir;
    }
    fs::path write(const std::string &name, const std::string &bytes)
    {
        std::ofstream(dir() / name, std::ios::binary) << bytes;
        return dir() / name;
    }
    static std::string read(const fs::path &path)
    {
        std::ostringstream bytes;
        bytes << std::ifstream(path, std::ios::binary).rdbuf();
        return bytes.str();
    }

    ScriptedPlatform scripted;
    RunState rs;

private:
    fs::path m_dir;
};

TEST_F(CorrSetupDialogTest, firstOpening_showsDefaults_storesIntegerDefaults_clearsFlags)
{
    rs.dataFileGiven = true; // the defaults leave it alone
    rs.corrSetupChanged.fill(true);
    Shown shown;
    run({ snapshot(shown), SP::click(IDCANCEL) });

    EXPECT_EQ(shown, kDefaults);
    EXPECT_EQ(std::tuple(rs.xColumn, rs.yColumn, rs.dataStartRow, rs.plotPeriodMs),
        std::tuple(1, 2, 1, 50));
    EXPECT_TRUE(rs.dataFileGiven);
    EXPECT_EQ(flags(rs), "0000000000");
}

TEST_F(CorrSetupDialogTest, ok_withoutDataFile_reportsAndStaysOpen)
{
    Shown afterOk;
    EXPECT_EQ(run({ SP::click(IDOK), snapshot(afterOk), SP::click(IDCANCEL) }), IDCANCEL);
    EXPECT_FALSE(afterOk.empty());
    EXPECT_EQ(scripted.messages(), Messages { kNoDataFile });
    EXPECT_EQ(rs.sourceMode, 3);
    EXPECT_FALSE(rs.corrSetupDone);
}

TEST_F(CorrSetupDialogTest, reopening_showsAcceptedSetup_withDisplayPath)
{
    acceptEarlierSetup();
    rs.dataFilePath = "C:\\data\\run.csv";
    rs.plotPeriodMs = 0;
    rs.corrAutoScale = false;
    rs.corrFrameXTop = 2.5;
    rs.corrFrameYBottom = -7.0;
    Shown shown;
    run({ snapshot(shown), SP::click(IDCANCEL) });

    Shown expected = kDefaults;
    expected[1006] = "C:/data/run.csv\n";
    expected[1039] = "0";
    expected[1041] = "0";
    expected[1042] = "2.5";
    expected[1045] = "-7.0";
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(rs.dataFilePath, "C:\\data\\run.csv");
    EXPECT_TRUE(rs.dataFileGiven);
}

TEST_F(CorrSetupDialogTest, ok_afterChoosingDataFile_asksToSave_thenCloses)
{
    EXPECT_EQ(run({ browse("C:\\data\\a.csv"), SP::click(IDOK) }, IDCANCEL), IDOK);

    EXPECT_EQ(
        rs.confirmMessage, "設定内容は、新規もしくは変更されています。設定内容を保存しますか？");
    EXPECT_EQ(rs.dataFilePath, "C:\\data\\a.csv");
    EXPECT_EQ(flags(rs), "0000100001"); // the fresh state had no automatic scale yet
    EXPECT_TRUE(rs.corrSetupDone);
    EXPECT_TRUE(rs.useYColumn);
    const FileDialogRequest &request = scripted.fileRequests().at(0);
    EXPECT_EQ(request.filter, "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||");
    EXPECT_EQ(request.defaultExtension, ".csv");
    EXPECT_TRUE(request.open);
}

// One field typed over an accepted setup (plot speed box checked), then OK.
struct FieldCase
{
    const char *name;
    int id;
    const char *text;
    Messages messages;
    int xColumn, yColumn, plotPeriodMs;
    std::string flags; // a change asks to save; a refusal does not
};

class CorrSetupFieldTest : public CorrSetupDialogTest,
                           public ::testing::WithParamInterface<FieldCase>
{
};

TEST_P(CorrSetupFieldTest, ok_checksField_andStillCloses)
{
    const FieldCase &c = GetParam();
    acceptEarlierSetup();
    const bool changed = c.flags != "0000000000";
    EXPECT_EQ(run({ SP::setCheck(1038, true), SP::setText(c.id, c.text), SP::click(IDOK) },
                  changed ? std::optional(IDCANCEL) : std::nullopt),
        IDOK);
    EXPECT_EQ(scripted.messages(), c.messages);
    EXPECT_EQ(std::tuple(rs.xColumn, rs.yColumn, rs.plotPeriodMs),
        std::tuple(c.xColumn, c.yColumn, c.plotPeriodMs));
    EXPECT_EQ(flags(rs), c.flags);
}

INSTANTIATE_TEST_SUITE_P(CorrSetup, CorrSetupFieldTest,
    ::testing::Values(FieldCase { "unchanged", 1034, "1", {}, 1, 2, 200, "0000000000" },
        FieldCase { "xColumn0", 1034, "0", { kBadColumn }, 1, 2, 200, "0000000000" },
        FieldCase { "xColumnText", 1034, "abc", { kBadColumn }, 1, 2, 200, "0000000000" },
        FieldCase { "xColumn10000", 1034, "10000", {}, 10000, 2, 200, "0000000010" },
        FieldCase { "yColumn10001", 1035, "10001", { kBadColumn }, 1, 2, 200, "0000000000" },
        FieldCase { "yColumn7", 1035, "7", {}, 1, 7, 200, "0000000100" },
        FieldCase { "plotSpeed49", 1039, "49", { kBadPlotSpeed }, 1, 2, 200, "0000000000" },
        FieldCase { "plotSpeed10001", 1039, "10001", { kBadPlotSpeed }, 1, 2, 200, "0000000000" },
        FieldCase { "plotSpeed50", 1039, "50", {}, 1, 2, 50, "0000001000" },
        FieldCase { "plotSpeed10000", 1039, "10000", {}, 1, 2, 10000, "0000001000" }),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(CorrSetupDialogTest, ok_manualFrame_flagsChangedValuesOnly)
{
    acceptEarlierSetup();
    run({ SP::setCheck(1041, false), SP::setText(1042, "50"), SP::setText(1043, "-100.0"),
            SP::setText(1044, "100"), SP::setText(1045, " -1e1xyz"), SP::click(IDOK) },
        IDCANCEL);

    EXPECT_EQ(
        stored(rs), std::tuple("/data/run.csv", 1, 2, 1, 200, false, 50.0, -100.0, 100.0, -10.0));
    EXPECT_EQ(flags(rs), "1001100000");
}

TEST_F(CorrSetupDialogTest, ok_rowRefused_staysOpen_secondOkComparesWithStoredValues)
{
    acceptEarlierSetup();
    Shown afterFirst;
    EXPECT_EQ(run({ SP::setText(1034, "4"), SP::setText(1040, "0"), SP::click(IDOK),
                  snapshot(afterFirst), SP::setText(1040, "1"), SP::click(IDOK) }),
        IDOK);

    EXPECT_FALSE(afterFirst.empty());
    EXPECT_EQ(scripted.messages(), Messages { kBadRow });
    // The first attempt already stored column 4, so the second finds nothing to save.
    EXPECT_EQ(rs.xColumn, 4);
    EXPECT_EQ(flags(rs), "0000000000");
    EXPECT_EQ(scripted.shownDialogs(), std::vector<int> { IDD_CORR_SETUP });
}

TEST_F(CorrSetupDialogTest, ok_plotSpeedUnchecked_meansNoPlotSpeed)
{
    acceptEarlierSetup();
    EXPECT_EQ(run({ SP::setCheck(1038, false), SP::click(IDOK) }), IDOK);
    EXPECT_EQ(rs.plotPeriodMs, 0);
    EXPECT_EQ(flags(rs), "0000000000");
}

TEST_F(CorrSetupDialogTest, ok_plotSpeedUnchecked_acceptedSave_storesEditNumberAgain)
{
    const fs::path file = dir() / "s.kvs";
    EXPECT_EQ(run({ browse("/data/a.csv"), SP::click(IDOK), saveAs(file) }, IDOK), IDOK);

    EXPECT_EQ(rs.plotPeriodMs, 50);
    EXPECT_EQ(read(file),
        setupFile({ kMagic, "/data/a.csv", "1", "2", "1", "0", "1", "100.0", "-100.0", "100.0",
            "-100.0" }));
    EXPECT_EQ(flags(rs), "0000000000");
    EXPECT_TRUE(rs.corrSetupDone);
}

TEST_F(CorrSetupDialogTest, save_autoScale_writesAndStoresFixedFrame)
{
    const fs::path file = dir() / "auto.kvs";
    run({ browse("/data/a.csv"), SP::setText(1034, "3"), SP::setCheck(1038, true),
        SP::setText(1039, "120"), SP::setText(1042, "5.0"), SP::setText(1043, "-3.0"), saveAs(file),
        SP::click(IDCANCEL) });

    EXPECT_EQ(read(file),
        setupFile({ kMagic, "/data/a.csv", "3", "2", "1", "120", "1", "100.0", "-100.0", "100.0",
            "-100.0" }));
    EXPECT_EQ(
        stored(rs), std::tuple("/data/a.csv", 3, 2, 1, 120, true, 100.0, -100.0, 100.0, -100.0));
    EXPECT_EQ(flags(rs), "0000000000");
    const FileDialogRequest &request = scripted.fileRequests().at(1);
    EXPECT_FALSE(request.open);
    EXPECT_EQ(request.filter, kSetupFilter);
    EXPECT_EQ(request.defaultExtension, ".kvs");
    EXPECT_EQ(request.flags, DWORD { OFN_CREATEPROMPT | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT });
}

struct NameCase
{
    const char *name;
    const char *chosen;
    const char *written;
};

class CorrSetupSaveNameTest : public CorrSetupDialogTest,
                              public ::testing::WithParamInterface<NameCase>
{
};

TEST_P(CorrSetupSaveNameTest, save_appendsKvsUnlessNameEndsInIt)
{
    const fs::path chosen = dir() / GetParam().chosen;
    Shown shown;
    run({ browse("/data/a.csv"), saveAs(chosen), snapshot(shown), SP::click(IDCANCEL) });

    EXPECT_EQ(rs.setupFilePath, (dir() / GetParam().written).string());
    EXPECT_EQ(shown[1010], chosen.string() + "\n");
    std::vector<std::string> files;
    for (const auto &entry : fs::directory_iterator(dir()))
        files.push_back(entry.path().filename().string());
    EXPECT_EQ(files, std::vector<std::string> { GetParam().written });
}

INSTANTIATE_TEST_SUITE_P(CorrSetup, CorrSetupSaveNameTest,
    ::testing::Values(NameCase { "bare", "abc", "abc.kvs" },
        NameCase { "upperCase", "abc.KVS", "abc.KVS.kvs" },
        NameCase { "lowerCase", "abc.kvs", "abc.kvs" }),
    [](const auto &row) { return std::string(row.param.name); });

struct InvalidCase
{
    const char *name;
    std::vector<Step> steps;
    bool withdrawDataFile = false; // cancel the data-file choice first
};

class CorrSetupInvalidSaveTest : public CorrSetupDialogTest,
                                 public ::testing::WithParamInterface<InvalidCase>
{
};

TEST_P(CorrSetupInvalidSaveTest, save_refused_existingFileUntouched)
{
    acceptEarlierSetup();
    const fs::path file = write("keep.kvs", "old contents");
    std::vector<Step> steps = GetParam().steps;
    if (GetParam().withdrawDataFile)
        steps.push_back(browse(std::nullopt));
    steps.push_back(saveAs(file));
    steps.push_back(SP::click(IDCANCEL));
    run(steps);

    EXPECT_EQ(scripted.messages(), Messages { kBadSetupContents });
    EXPECT_EQ(read(file), "old contents");
}

INSTANTIATE_TEST_SUITE_P(CorrSetup, CorrSetupInvalidSaveTest,
    ::testing::Values(
        InvalidCase { "xTopEqualsBottom",
            { SP::setCheck(1041, false), SP::setText(1042, "5"), SP::setText(1043, "5.0") } },
        InvalidCase { "yTopBelowBottom",
            { SP::setCheck(1041, false), SP::setText(1044, "-1"), SP::setText(1045, "1") } },
        InvalidCase { "frameOverflows", { SP::setCheck(1041, false), SP::setText(1042, "1e999") } },
        InvalidCase { "xColumn0", { SP::setText(1034, "0") } },
        InvalidCase { "rowText", { SP::setText(1040, "x") } },
        InvalidCase { "noDataFile", {}, true }),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(CorrSetupDialogTest, browseCancelled_afterChoosing_okReportsNoDataFile)
{
    Shown shown;
    run({ browse("C:\\data\\a.csv"), browse(std::nullopt), snapshot(shown), SP::click(IDOK),
        SP::click(IDCANCEL) });

    EXPECT_EQ(shown[1006], "C:/data/a.csv\n");
    EXPECT_EQ(rs.dataFilePath, "C:\\data\\a.csv");
    EXPECT_EQ(scripted.messages(), Messages { kNoDataFile });
}

TEST_F(CorrSetupDialogTest, load_completeFile_appliesEveryLineAndClearsFlags)
{
    // The last line has no line break and is still read whole.
    const fs::path file = write("full.kvs",
        setupFile({ kMagic, "D:\\x\\run.csv", "3", "5", "2", "100", "0", "50.0", "-50.0", "20.0" })
            + "-20.5");
    Shown shown;
    // A refused OK leaves change flags set (data file, Y column) for the load to clear.
    run({ browse("/data/a.csv"), SP::setText(1035, "9"), SP::setText(1040, "0"), SP::click(IDOK),
        load(file), snapshot(shown), SP::click(IDCANCEL) });

    EXPECT_EQ(scripted.messages(), Messages { kBadRow });
    const Shown expected { { 1006, "D:/x/run.csv\n" }, { 1010, file.string() + "\n" },
        { 1034, "3" }, { 1035, "5" }, { 1038, "1" }, { 1039, "100" }, { 1040, "2" }, { 1041, "0" },
        { 1042, "50.0" }, { 1043, "-50.0" }, { 1044, "20.0" }, { 1045, "-20.5" } };
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(
        stored(rs), std::tuple("D:\\x\\run.csv", 3, 5, 2, 100, false, 50.0, -50.0, 20.0, -20.5));
    EXPECT_TRUE(rs.dataFileGiven);
    EXPECT_EQ(flags(rs), "0000000000");
    EXPECT_EQ(scripted.fileRequests().at(1).filter, kSetupFilter);
    EXPECT_EQ(
        scripted.fileRequests().at(1).flags, DWORD { OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT });
}

TEST_F(CorrSetupDialogTest, load_negativePlotSpeed_meansNoPlotSpeed)
{
    const fs::path file = write("neg.kvs",
        setupFile({ kMagic, "/d.csv", "1", "2", "1", "-5", "1", "1.0", "-1.0", "1.0", "-1.0" }));
    Shown shown;
    run({ SP::setCheck(1038, true), load(file), snapshot(shown), SP::click(IDCANCEL) });
    EXPECT_EQ(shown[1039], "");
    EXPECT_EQ(shown[1038], "0");
    EXPECT_TRUE(rs.corrAutoScale);
}

TEST_F(CorrSetupDialogTest, load_fileCutAfterLine5_appliesWhatWasReadAndReports)
{
    const fs::path file = write("cut.kvs", setupFile({ kMagic, "/d/cut.csv", "4", "6", "3" }));
    Shown shown;
    run({ browse("/data/a.csv"), SP::setText(1035, "9"), SP::setText(1040, "0"), SP::click(IDOK),
        load(file), snapshot(shown), SP::click(IDCANCEL) });

    EXPECT_EQ(scripted.messages(), (Messages { kBadRow, kBadSetupFile }));
    Shown expected = kDefaults;
    expected[1006] = "/d/cut.csv\n";
    expected[1010] = file.string() + "\n";
    expected[1034] = "4";
    expected[1035] = "6";
    expected[1040] = "3";
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(stored(rs), std::tuple("/d/cut.csv", 4, 6, 3, 0, true, 0.0, 0.0, 0.0, 0.0));
    // Flags set by the refused OK stay; the data-file line clears its own.
    EXPECT_EQ(flags(rs), "0000100100");
}

struct BadFileCase
{
    const char *name;
    std::string bytes;
};

class CorrSetupBadFileTest : public CorrSetupDialogTest,
                             public ::testing::WithParamInterface<BadFileCase>
{
};

TEST_P(CorrSetupBadFileTest, load_badMagic_reportsAndAppliesNothing)
{
    const fs::path file = write("bad.kvs", GetParam().bytes);
    Shown shown;
    run({ browse("/data/a.csv"), load(file), snapshot(shown), SP::click(IDCANCEL) });

    EXPECT_EQ(scripted.messages(), Messages { kBadSetupFile });
    EXPECT_EQ(rs.dataFilePath, "/data/a.csv");
    EXPECT_EQ(shown[1034], "1");
    EXPECT_EQ(flags(rs), "0000000001");
}

const std::string kValueLines
    = setupFile({ "/d.csv", "3", "5", "2", "100", "0", "50.0", "-50.0", "20.0", "-20.0" });

INSTANTIATE_TEST_SUITE_P(CorrSetup, CorrSetupBadFileTest,
    ::testing::Values(BadFileCase { "magicWithoutLineBreak", kMagic },
        BadFileCase { "magicWithTrailingBlank", kMagic + " \r\n" + kValueLines },
        BadFileCase { "pathSetupMagic", "KVT_GRIDWALK_SETUP\r\n" + kValueLines },
        BadFileCase { "emptyFile", "" }),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(CorrSetupDialogTest, load_unopenableFile_isPassedOverSilently)
{
    Shown shown;
    run({ load(dir() / "missing.kvs"), snapshot(shown), SP::click(IDCANCEL) });
    EXPECT_TRUE(scripted.messages().empty());
    EXPECT_EQ(shown[1010], (dir() / "missing.kvs").string() + "\n");
    EXPECT_FALSE(rs.dataFileGiven);
}

TEST_F(CorrSetupDialogTest, saveThenLoad_roundTripsEveryField)
{
    const fs::path file = dir() / "trip.kvs";
    run({ browse("C:\\data\\run.csv"), SP::setText(1034, "3"), SP::setText(1035, "5"),
        SP::setText(1040, "2"), SP::setCheck(1038, true), SP::setText(1039, "100"),
        SP::setCheck(1041, false), SP::setText(1042, "50"), SP::setText(1043, "-50"),
        SP::setText(1044, "20"), SP::setText(1045, "-20"), saveAs(file), SP::click(IDCANCEL) });
    EXPECT_EQ(read(file),
        setupFile({ kMagic, "C:\\data\\run.csv", "3", "5", "2", "100", "0", "50.0", "-50.0", "20.0",
            "-20.0" }));

    const auto saved = stored(rs);
    rs = RunState();
    Shown cancelled;
    // Cancelling a load only empties the setup-file field; OK after a complete load asks nothing.
    run({ fileButton(1005, std::nullopt), snapshot(cancelled), load(file), SP::click(IDOK) });

    EXPECT_EQ(cancelled[1010], "");
    EXPECT_EQ(stored(rs), saved);
    EXPECT_EQ(scripted.shownDialogs(), (std::vector<int> { IDD_CORR_SETUP, IDD_CORR_SETUP }));
    EXPECT_TRUE(rs.corrSetupDone);
}

} // namespace
