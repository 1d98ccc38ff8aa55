#include "path/core/TeachingPointsFile.h"

#include "data/NumberText.h"

std::string teachingPointsText(const std::vector<TaughtPoint> &points)
{
    std::string text;
    for (const auto &[x, y] : points) {
        appendFixed(text, x, 6);
        text += ',';
        appendFixed(text, y, 6);
        text += "\r\n";
    }
    return text;
}
