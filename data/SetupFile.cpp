#include "data/SetupFile.h"

#include "data/TextLineReader.h"

SetupFileLines readSetupFile(const std::string &path, std::string_view magic, int valueLineCount)
{
    SetupFileLines result;
    TextLineReader reader(path);
    if (!reader.isOpen())
        return result;
    result.opened = true;
    const auto first = reader.readLine();
    if (!first || first->size() != magic.size() + 1 || first->substr(0, magic.size()) != magic
        || first->back() != '\n')
        return result;
    result.magicMatched = true;
    while (static_cast<int>(result.values.size()) < valueLineCount) {
        const auto line = reader.readLine();
        if (!line)
            return result;
        result.values.emplace_back(withoutLineFeed(*line));
    }
    result.complete = true;
    return result;
}

std::string setupFileText(std::string_view magic, const std::vector<std::string> &values)
{
    std::string text;
    text.append(magic).append("\r\n");
    for (const std::string &value : values)
        text.append(value).append("\r\n");
    return text;
}
