#pragma once

#include <QFileInfo>
#include <QSettings>
#include <QString>

namespace zentile {

// The largest settings file the game reads, its own or Qt's: the game's values take a few
// kilobytes, and the limit bounds how deeply a damaged file's values can nest, which QSettings
// follows on the stack.
inline constexpr qint64 kLargestSettingsFile = qint64{64} << 10;

// Where QSettings keeps the user's settings of an organisation (and application), without the
// file's extension, found without opening the file: a format of its own, whose files never
// exist, lives in the same folder under the same names.
inline QString UserSettingsPath(const QString& organisation, const QString& application = {}) {
    static const QSettings::Format where = QSettings::registerFormat(
        QStringLiteral("where"), [](QIODevice&, QSettings::SettingsMap&) { return false; },
        [](QIODevice&, const QSettings::SettingsMap&) { return false; });
    const QFileInfo file(
        QSettings(where, QSettings::UserScope, organisation, application).fileName());
    return file.path() + QLatin1Char('/') + file.completeBaseName();
}

} // namespace zentile
