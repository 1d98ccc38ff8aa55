#include "mainwnd/WindowScale.h"

#include "data/Translate.h"
#include "platform/CDialog.h"
#include "platform/Platform.h"
#include "platform/Profile.h"
#include "res/ResourceIds.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr const char *kSection = "Window";
constexpr const char *kEntry = "ScaleTenths";

UINT commandOf(std::size_t index) { return IDM_WINDOW_SCALE_FIRST + 0x10 * UINT(index); }

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

bool windowScaleCommand(CMenu &menu, UINT id)
{
    for (std::size_t i = 0; i < std::size(kWindowScales); ++i) {
        if (id != commandOf(i))
            continue;
        if (WriteProfileInt(kSection, kEntry, kWindowScales[i])) {
            for (std::size_t j = 0; j < std::size(kWindowScales); ++j)
                menu.CheckMenuItem(commandOf(j), i == j ? MF_CHECKED : MF_UNCHECKED);
            AfxMessageBox(tx("MainWindow", "次回の起動から、この倍率で表示します。"));
        }
        return true;
    }
    return false;
}
