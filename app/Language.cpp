#include "app/Language.h"

#include "data/Translate.h"
#include "platform/QtSetup.h"

#include <QApplication>
#include <QFile>
#include <QTranslator>
#include <algorithm>

namespace {

constexpr const char *kSourceLanguage = "ja";

QString catalogueFile(const std::string &language)
{
    return QStringLiteral(":/i18n/tracelet_%1.qm").arg(QString::fromStdString(language));
}

// "ja_JP.UTF-8", "en_GB:en", "pt-BR" → "ja", "en", "pt".
std::string languageCode(std::string name)
{
    name = name.substr(0, name.find(':'));
    const auto end = std::find_if(name.begin(), name.end(),
        [](char c) { return !(c >= 'a' && c <= 'z') && !(c >= 'A' && c <= 'Z'); });
    std::string code(name.begin(), end);
    std::transform(code.begin(), code.end(), code.begin(),
        [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return code;
}

std::string supported(const std::string &code)
{
    return code == kSourceLanguage || hasCatalogue(code) ? code : std::string("en");
}

std::string lookUp(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

} // namespace

bool hasCatalogue(const std::string &language)
{
    return !language.empty() && QFile::exists(catalogueFile(language));
}

std::string chooseLanguage(
    std::vector<std::string> &args, const std::function<const char *(const char *)> &environment)
{
    std::string asked;
    for (auto it = args.begin(); it != args.end();) {
        if (*it == "--lang" && it + 1 != args.end()) {
            asked = *(it + 1);
            it = args.erase(it, it + 2);
        } else if (it->starts_with("--lang=")) {
            asked = it->substr(7);
            it = args.erase(it);
        } else {
            ++it;
        }
    }
    if (!asked.empty())
        return supported(languageCode(asked));
    for (const char *name : { "TRACELET_LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const char *value = environment(name);
        if (value && *value)
            return supported(languageCode(value));
    }
    return "en";
}

void installLanguage(const std::string &language)
{
    static QTranslator program;
    QCoreApplication::removeTranslator(&program);
    setTextLookup(nullptr);
    setQtDialogLanguage(language);
    if (language == kSourceLanguage)
        return;
    if (program.load(catalogueFile(language)))
        QCoreApplication::installTranslator(&program);
    setTextLookup(lookUp, language);
}
