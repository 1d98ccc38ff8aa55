#include "../support/PathScenario.h"
#include "app/Language.h"
#include "data/Translate.h"
#include "res/ControlIds.h"
#include "res/ResourceIds.h"

#include <QGroupBox>
#include <QLabel>
#include <map>

namespace {

using S = ScriptedPlatform;

// The window as a person with an English desktop sees it: built after the language is chosen.
class EnglishWindowTest : public PathScenario
{
protected:
    void SetUp() override
    {
        installLanguage("en");
        PathScenario::SetUp();
    }
    void TearDown() override
    {
        PathScenario::TearDown();
        installLanguage("ja");
    }

    // A label or a group box's title of the main window.
    bool windowHasLabel(const QString &text) const
    {
        const QWidget *window = dlg->controlWidget(IDC_CANVAS)->window();
        for (const QLabel *label : window->findChildren<QLabel *>())
            if (label->text() == text)
                return true;
        for (const QGroupBox *box : window->findChildren<QGroupBox *>())
            if (box->title() == text)
                return true;
        return false;
    }
};

TEST_F(EnglishWindowTest, aCorrelationRun_readsOutAndReportsInEnglish)
{
    ASSERT_TRUE(initOk);
    EXPECT_TRUE(windowHasLabel("Time") && windowHasLabel("Correlation") && windowHasLabel("Path"));
    EXPECT_EQ(text(IDC_EDIT_ZOOM), "100%");

    // Y of the second row is no number: the row is left out, and the report says so in English.
    const std::string data = writeFile("data.csv", "x,y\n1,2\n2,oops\n3,6\n").string();
    scripted.answerFileDialog(data);
    scripted.expectDialog(IDD_CORR_SETUP,
        { S::click(IDC_CORR_BROWSE_DATA), S::typeText(IDC_CORR_START_ROW, "2"), S::click(IDOK) });
    scripted.expectDialog(IDD_CONFIRM, { S::click(IDCANCEL) });
    click(IDC_CORR_RUN);
    ASSERT_TRUE(corr().running());
    ASSERT_EQ(scripted.messages().size(), 1u);
    EXPECT_EQ(scripted.messages()[0],
        "Rows read from the data file: 2.\n" + data
            + "\nLines without a number left out: 1 (line 3).");

    // Means 2 and 4 over (1, 2), (3, 6); r = 1.
    const char *readouts[] = { "Correl.  : 1.00 ", "X mean   : 2.0 ", "Y mean   : 4.0 " };
    for (int row = 0; row < 3; ++row)
        EXPECT_TRUE(canvasShowsText(
            QRect(421, 295 + 10 * row, 104, 10), gs->smallFont, RGB(0, 127, 11), readouts[row]));
}

TEST(Language, chosenByFlagThenVariableThenSystem_andJapaneseIsTheTextsAsWritten)
{
    struct Row
    {
        const char *name;
        std::vector<std::string> args;
        std::map<std::string, std::string> environment;
        const char *language;
        std::vector<std::string> argsLeft;
    };
    const Row rows[] = {
        { "flag wins", { "--lang", "ja", "a.kvs" }, { { "TRACELET_LANG", "en" } }, "ja",
            { "a.kvs" } },
        { "flag with =", { "--lang=ja" }, { { "LANG", "en_US.UTF-8" } }, "ja", {} },
        { "variable over system", {}, { { "TRACELET_LANG", "en" }, { "LANG", "ja_JP" } }, "en",
            {} },
        { "LANGUAGE first", {}, { { "LANGUAGE", "ja:en" }, { "LANG", "en_US.UTF-8" } }, "ja", {} },
        { "LC_ALL over LANG", {}, { { "LC_ALL", "de_DE.UTF-8" }, { "LANG", "ja_JP" } }, "en", {} },
        { "LC_MESSAGES", {}, { { "LC_MESSAGES", "ja_JP.eucJP" } }, "ja", {} },
        { "empty ones skipped", {}, { { "LANGUAGE", "" }, { "LANG", "JA_jp" } }, "ja", {} },
        { "nothing set", { "stats", "x.csv" }, {}, "en", { "stats", "x.csv" } },
        { "no catalogue: English", { "--lang", "xx" }, {}, "en", {} },
    };
    for (Row row : rows) {
        const auto environment = [&](const char *name) -> const char * {
            const auto it = row.environment.find(name);
            return it == row.environment.end() ? nullptr : it->second.c_str();
        };
        EXPECT_EQ(chooseLanguage(row.args, environment), row.language) << row.name;
        EXPECT_EQ(row.args, row.argsLeft) << row.name;
    }

    installLanguage("en");
    EXPECT_EQ(tx("Dialogs", "時間"), "Time");
    installLanguage("ja");
    EXPECT_EQ(tx("Dialogs", "時間"), "時間");
}

} // namespace
