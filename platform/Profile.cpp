#include "platform/Profile.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

QString key(const std::string &section, const std::string &entry)
{
    return QString::fromStdString(section + "/" + entry);
}

// An INI file read only when a setting is asked for: nothing at start but the one file.
QSettings settings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope,
        QCoreApplication::applicationName(), QStringLiteral("settings"));
}

} // namespace

int GetProfileInt(const std::string &section, const std::string &entry, int defaultValue)
{
    bool ok = false;
    const int value = settings().value(key(section, entry)).toInt(&ok);
    return ok ? value : defaultValue;
}

bool WriteProfileInt(const std::string &section, const std::string &entry, int value)
{
    QSettings stored = settings();
    stored.setValue(key(section, entry), value);
    stored.sync();
    return stored.status() == QSettings::NoError;
}
