#include "app/Language.h"

#include "data/Translate.h"
#include "platform/QtSetup.h"

#include <QApplication>
#include <QFile>
#include <QTranslator>
#include <algorithm>
#include <string_view>

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

// The program's texts, and the texts drawn into pictures (their contexts end in "Picture"): the
// command line keeps those as written unless asked, so that its pictures do not change with the
// machine while its notes follow the language.
QTranslator g_texts;
QTranslator g_pictureTexts;

std::string lookUp(const char *context, const char *source)
{
    const bool picture = std::string_view(context).ends_with("Picture");
    // Looked up directly, not through the application: the command line has none.
    const QString text = (picture ? g_pictureTexts : g_texts).translate(context, source);
    return text.isEmpty() ? std::string(source) : text.toStdString();
}

// False, and the translator empty (the texts as written), for Japanese or a missing catalogue.
bool loadCatalogue(QTranslator &translator, const std::string &language)
{
    return translator.load(language == kSourceLanguage ? QString() : catalogueFile(language));
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

void installLanguage(const std::string &language) { installLanguage(language, language); }

void installLanguage(const std::string &language, const std::string &pictureLanguage)
{
    setTextLookup(nullptr);
    const bool haveApplication = QCoreApplication::instance() != nullptr;
    if (haveApplication) {
        QCoreApplication::removeTranslator(&g_texts);
        setQtDialogLanguage(language);
    }
    const bool texts = loadCatalogue(g_texts, language);
    const bool pictureTexts = loadCatalogue(g_pictureTexts, pictureLanguage);
    // What asks Qt itself for a text (a progress dialog's caption) finds the catalogue there.
    if (texts && haveApplication)
        QCoreApplication::installTranslator(&g_texts);
    if (texts || pictureTexts)
        setTextLookup(lookUp, texts ? language : std::string(kSourceLanguage));
}
