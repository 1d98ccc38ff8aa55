#include "mainwnd/WindowScale.h"

#include "data/Translate.h"
#include "mainwnd/Diagram.h"
#include "platform/CDialog.h"
#include "platform/Platform.h"
#include "platform/Profile.h"
#include "res/ResourceIds.h"

#include <QTemporaryDir>
#include <algorithm>
#include <iterator>

namespace {

constexpr const char *kSection = "Window";
constexpr const char *kEntry = "ScaleTenths";

UINT commandOf(std::size_t index) { return IDM_WINDOW_SCALE_FIRST + 0x10 * UINT(index); }

// The scale this window started at; nothing when the environment chose it, or nobody said.
std::optional<int> g_started;

// This program started again at the scale, in this language, with the running diagram's setup
// written to a folder of its own in the temporary folder, which the new window keeps using.
bool relaunch(int tenths, const Diagram *running, std::string_view setupExtension)
{
    std::vector<std::string> arguments { "--lang", textLanguage(), "--zoom-window",
        windowScaleText(tenths) };
    std::optional<QTemporaryDir> folder;
    if (running && running->exportable()) {
        folder.emplace();
        const QString name = QStringLiteral("reopened")
            + QString::fromUtf8(setupExtension.data(), qsizetype(setupExtension.size()));
        const std::string setup = folder->filePath(name).toStdString();
        if (!folder->isValid() || !running->currentRun(setup))
            return false;
        arguments.push_back(setup);
    }
    if (!platform().startDetached(programFile(), arguments))
        return false;
    if (folder)
        folder->setAutoRemove(false);
    return true;
}

} // namespace

int rememberedWindowScale()
{
    const int tenths = GetProfileInt(kSection, kEntry, 10);
    return std::ranges::find(kWindowScales, tenths) == std::end(kWindowScales) ? 10 : tenths;
}

std::optional<int> windowScaleFromText(std::string_view text)
{
    for (int tenths : kWindowScales)
        if (text == windowScaleText(tenths))
            return tenths;
    return std::nullopt;
}

const char *windowScaleText(int tenths)
{
    switch (tenths) {
    case 15:
        return "1.5";
    case 20:
        return "2";
    case 30:
        return "3";
    default:
        return "1";
    }
}

void addWindowScaleMenu(CMenu &menu)
{
    const int remembered = rememberedWindowScale();
    menu.AppendMenu(MF_SEPARATOR);
    for (std::size_t i = 0; i < std::size(kWindowScales); ++i)
        menu.AppendMenu(kWindowScales[i] == remembered ? MF_CHECKED : MF_STRING, commandOf(i),
            fillIn(tx("MainWindow", "表示倍率 %1倍"), { windowScaleText(kWindowScales[i]) }));
}

std::optional<int> windowScaleOfCommand(UINT id)
{
    for (std::size_t i = 0; i < std::size(kWindowScales); ++i)
        if (id == commandOf(i))
            return kWindowScales[i];
    return std::nullopt;
}

void setStartedWindowScale(std::optional<int> tenths) { g_started = tenths; }

bool chooseWindowScale(CMenu &menu, int tenths, const Diagram *running,
    std::string_view setupExtension, const std::function<bool()> &mayClose)
{
    if (g_started == tenths || (g_started && !mayClose()))
        return false;
    if (WriteProfileInt(kSection, kEntry, tenths))
        for (std::size_t j = 0; j < std::size(kWindowScales); ++j)
            menu.CheckMenuItem(
                commandOf(j), kWindowScales[j] == tenths ? MF_CHECKED : MF_UNCHECKED);
    const std::string nextStart = tx("MainWindow", "次回の起動から、この倍率で表示します。");
    // A scale from the environment would come back in a new process: nothing to reopen for.
    if (!g_started) {
        AfxMessageBox(nextStart);
        return false;
    }
    if (!relaunch(tenths, running, setupExtension)) {
        AfxMessageBox(
            tx("MainWindow", "新しい倍率でウィンドウを開き直せませんでした。") + "\n" + nextStart);
        return false;
    }
    return true;
}
