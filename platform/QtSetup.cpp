#include "platform/QtSetup.h"

#include "platform/GothicFonts.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <clocale>

void platformSetupApplication(const std::string &dialogLanguage)
{
    // QApplication takes LC_NUMERIC from the environment; "%f" and atof must not follow it.
    std::setlocale(LC_NUMERIC, "C");

    // IPAGothic is metric compatible with the gothic faces the texts are laid out for.
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"));

    // Crisp strikes for the small picture texts and button labels, where installed, each added
    // when first drawn with.
    serveCrispGothicStrikes(crispGothicFolders());

    setQtDialogLanguage(dialogLanguage);
}

void setQtDialogLanguage(const std::string &language)
{
    static QTranslator translator;
    static std::string inForce;
    if (language == inForce)
        return;
    inForce = language;
    QApplication::removeTranslator(&translator);
    if (translator.load(QStringLiteral("qtbase_") + QString::fromStdString(language),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);
}
