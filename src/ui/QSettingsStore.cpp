#include "ui/QSettingsStore.h"

#include "model/Host.h"
#include "store/StoreTexts.h"
#include "ui/QtText.h"
#include "ui/SettingsPaths.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryFile>
#include <chrono>
#include <cstdio>

namespace zentile {

namespace {

// Another copy holds the lock for one read and one rewrite of a small file.
constexpr std::chrono::milliseconds kLockWait{200};

void Warn(const QString& text) {
    qWarning("Zentile: the settings file %s", qUtf8Printable(text));
}

// The file's contents, empty where there is no file yet; nothing, with a line on standard error,
// for a path the game must not use: QSettings would wait on a FIFO for a writer, replace a device
// by a file of its own, and hold all of a huge file.
std::optional<QByteArray> Contents(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.exists()) return QByteArray();
    QString problem;
    QFile file(fileName);
    QByteArray bytes;
    if (!info.isFile())
        problem = QStringLiteral("is not a regular file");
    else if (!file.open(QIODevice::ReadOnly))
        problem = QStringLiteral("cannot be read");
    else if (bytes = file.read(kLargestSettingsFile + 1); bytes.size() > kLargestSettingsFile)
        problem = QStringLiteral("is larger than 64 KiB");
    if (problem.isEmpty()) return bytes;
    Warn(QStringLiteral("%1 %2; the game leaves it as it is and runs on the default options.")
             .arg(fileName, problem));
    return std::nullopt;
}

QString Key(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

// The values of the game's two sections as the store holds them.
MemorySettingsStore ValuesOf(QSettings& settings) {
    MemorySettingsStore values;
    for (const std::string_view section : {kOptionsSection, kBestResultsSection}) {
        settings.beginGroup(ToQString(section));
        for (const QString& key : settings.childKeys()) {
            const QVariant value = settings.value(key);
            const std::string name = key.toStdString();
            if (value.typeId() == QMetaType::QByteArray) {
                const QByteArray bytes = value.toByteArray();
                values.WriteBinary(section, name,
                                   {reinterpret_cast<const uint8_t*>(bytes.data()),
                                    static_cast<std::size_t>(bytes.size())});
            } else if (value.typeId() == QMetaType::QString &&
                       // Bytes that are no UTF-8 arrive as replacement characters.
                       !value.toString().contains(QChar::ReplacementCharacter)) {
                values.WriteString(section, name, value.toString().toStdString());
            }
        }
        settings.endGroup();
    }
    return values;
}

QVariant VariantOf(const MemorySettingsStore::Value& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return QString::fromStdString(*text);
    if (const auto* number = std::get_if<int32_t>(&value)) return *number;
    const auto& bytes = std::get<std::vector<uint8_t>>(value);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

} // namespace

QSettingsStore::QSettingsStore()
    : QSettingsStore(UserSettingsPath(ToQString(kCompanyName), ToQString(kApplicationTitle)) +
                     QStringLiteral(".ini")) {}

QSettingsStore::QSettingsStore(const QString& fileName) : fileName(fileName) {
    if (Contents(fileName)) {
        QSettings settings(fileName, QSettings::IniFormat);
        stored = ValuesOf(settings);
    }
}

bool QSettingsStore::Update(const Change& change) {
    // QSettings' own lock, which every copy of the game takes to write the file.
    QDir().mkpath(QFileInfo(fileName).path());
    QLockFile lock(fileName + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWait)) {
        Warn(QStringLiteral("%1 cannot be locked now (another copy of the game may be writing "
                            "it); the change stays in memory and is stored with the next one.")
                 .arg(fileName));
        return false;
    }
    // A link is followed to the file it leads to, which is replaced; the link stays.
    const QFileInfo info(fileName);
    const QString target = info.exists() ? info.canonicalFilePath() : fileName;
    const auto contents = Contents(target);
    // QSettings trusts what it read of a file while its size and time stamp stay the same, which
    // hides another copy's change on a file system that keeps whole seconds. So it reads and
    // changes a copy under a fresh name beside the file, which then takes the file's place.
    QTemporaryFile copy(target + QStringLiteral(".XXXXXX"));
    if (!contents || !copy.open() || copy.write(*contents) != contents->size() || !copy.flush())
        return false;
    MemorySettingsStore now;
    {
        QSettings settings(copy.fileName(), QSettings::IniFormat);
        now = ValuesOf(settings);
        const MemorySettingsStore::Values before = now.All();
        change(now);
        for (const auto& [name, value] : now.All())
            if (const auto old = before.find(name); old == before.end() || old->second != value)
                settings.setValue(Key(name.first, name.second), VariantOf(value));
        settings.sync();
        // A damaged file is still written; only an access error stops the write.
        if (settings.status() == QSettings::AccessError) return false;
    }
    if (QFileInfo(copy.fileName()).size() > kLargestSettingsFile ||
        !QFile::setPermissions(copy.fileName(),
                               info.exists() ? info.permissions()
                                             : QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        std::rename(QFile::encodeName(copy.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0)
        return false;
    copy.setAutoRemove(false);
    stored = std::move(now);
    return true;
}

std::string QSettingsStore::ReadString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) {
    return stored.ReadString(section, key, defaultValue);
}

int32_t QSettingsStore::ReadInt(std::string_view section, std::string_view key,
                                int32_t defaultValue) {
    return stored.ReadInt(section, key, defaultValue);
}

std::optional<std::vector<uint8_t>> QSettingsStore::ReadBinary(std::string_view section,
                                                               std::string_view key) {
    return stored.ReadBinary(section, key);
}

} // namespace zentile
