#include "app/WindowZoomOption.h"

#include "mainwnd/WindowScale.h"

#include <QByteArray>
#include <QtGlobal>

std::optional<int> takeZoomWindow(std::vector<std::string> &args, bool &bad)
{
    std::optional<int> tenths;
    for (auto it = args.begin(); it != args.end();) {
        std::string value;
        if (*it == "--zoom-window") {
            value = it + 1 != args.end() ? *(it + 1) : std::string();
            it = args.erase(it, it + 1 != args.end() ? it + 2 : it + 1);
        } else if (it->starts_with("--zoom-window=")) {
            value = it->substr(14);
            it = args.erase(it);
        } else {
            ++it;
            continue;
        }
        tenths = windowScaleFromText(value);
        bad = bad || !tenths;
    }
    return tenths;
}

bool applyWindowScale(std::optional<int> asked)
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        setStartedWindowScale(std::nullopt);
        return false;
    }
    const int tenths = asked ? *asked : rememberedWindowScale();
    setStartedWindowScale(tenths);
    if (tenths == 10)
        return false;
    qputenv("QT_SCALE_FACTOR", QByteArray(windowScaleText(tenths)));
    return true;
}
