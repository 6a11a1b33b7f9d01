#include "ui/QSettingsStore.h"

#include "model/Host.h"
#include "store/StoreTexts.h"
#include "ui/QtText.h"

#include <QByteArray>
#include <QFileInfo>
#include <QLockFile>
#include <chrono>

namespace zentile {

namespace {

constexpr qint64 kLargestFile = qint64{1} << 20;
// A copy holds the lock for one read and one rewrite of a small file.
constexpr std::chrono::seconds kLockWait{3};
constexpr std::chrono::seconds kStaleLock{10};

QString Key(std::string_view section, std::string_view key) {
    return ToQString(section) + QLatin1Char('/') + ToQString(key);
}

void Warn(const QString& text) {
    qWarning("%s", qUtf8Printable(text));
}

// Why QSettings must not use the file, if it must not: it would wait on a FIFO for a writer,
// replace a device that a link points to by a file of its own, and hold all of a huge file.
std::optional<QString> FileProblem(const QString& fileName) {
    const QFileInfo file(fileName);
    if (!file.exists()) return std::nullopt; // the first write creates it
    if (!file.isFile()) return QStringLiteral("is not a regular file");
    if (file.size() > kLargestFile) return QStringLiteral("is larger than 1 MiB");
    return std::nullopt;
}

// Where QSettings keeps the game's INI file, found without opening it: a format of its own,
// whose files never exist, lives in the same folder under the same names.
QString UserSettingsFile() {
    static const QSettings::Format where = QSettings::registerFormat(
        QStringLiteral("where"), [](QIODevice&, QSettings::SettingsMap&) { return false; },
        [](QIODevice&, const QSettings::SettingsMap&) { return false; });
    const QSettings probe(where, QSettings::UserScope, ToQString(kCompanyName),
                          ToQString(kApplicationTitle));
    const QFileInfo file(probe.fileName());
    return file.path() + QLatin1Char('/') + file.completeBaseName() + QStringLiteral(".ini");
}

// QSettings waits for its own lock on the file until the lock is half a minute old; a copy of
// the game that hangs while it holds it must not freeze this one. Whether the lock can be had
// within a few seconds.
bool QSettingsLockFree(const QString& fileName) {
    QLockFile probe(fileName + QStringLiteral(".lock"));
    if (!probe.tryLock(kLockWait)) return false;
    probe.unlock();
    return true;
}

std::optional<std::vector<uint8_t>> BytesOf(const QVariant& value) {
    // Only what was written as bytes; a text typed into the file is not a binary value.
    if (value.typeId() != QMetaType::QByteArray) return std::nullopt;
    const QByteArray bytes = value.toByteArray();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

QByteArray ByteArrayOf(std::span<const uint8_t> bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

} // namespace

QSettingsStore::QSettingsStore() : QSettingsStore(UserSettingsFile()) {}

QSettingsStore::QSettingsStore(const QString& fileName) : fileName(fileName) {
    if (const auto problem = FileProblem(fileName)) {
        Warn(QStringLiteral("Zentile: the settings file %1 %2; the game starts with the default "
                            "options and leaves the file as it is.")
                 .arg(fileName, *problem));
        return;
    }
    settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
    settings->installEventFilter(&syncOnlyWhenAsked);
    pendingWrite.setSingleShot(true);
    pendingWrite.setInterval(0);
    QObject::connect(&pendingWrite, &QTimer::timeout, [this] { Sync(); });
}

QSettingsStore::~QSettingsStore() {
    // Whatever the last command changed is written before the program ends. Where it cannot
    // be, QSettings must not try again as it goes, on a file it must not open or a lock that
    // is held: the program is ending, so it is left to the system.
    if (!Sync()) (void)settings.release();
}

bool QSettingsStore::Sync() {
    // The file may have been replaced by something it must not open since the start.
    if (!settings || FileProblem(fileName)) return false;
    if (!QSettingsLockFree(fileName)) {
        Warn(QStringLiteral("Zentile: the settings file %1 could not be locked; the changed "
                            "options stay in memory and are stored with the next change.")
                 .arg(fileName));
        return false;
    }
    settings->sync();
    return true;
}

QVariant QSettingsStore::Read(std::string_view section, std::string_view key) {
    return settings ? settings->value(Key(section, key)) : QVariant();
}

bool QSettingsStore::Write(std::string_view section, std::string_view key, const QVariant& value) {
    if (!settings || !settings->isWritable()) return false;
    settings->setValue(Key(section, key), value);
    // Saved when they change, not at exit: the file is rewritten as soon as the command is done.
    pendingWrite.start();
    return settings->status() == QSettings::NoError;
}

std::optional<QString> QSettingsStore::ReadText(std::string_view section, std::string_view key) {
    const QVariant value = Read(section, key);
    switch (value.typeId()) {
    case QMetaType::QString: {
        // Bytes that are no UTF-8 arrive as replacement characters; the game never writes one.
        QString text = value.toString();
        if (text.contains(QChar::ReplacementCharacter)) return std::nullopt;
        return text;
    }
    case QMetaType::Int: // written as a number in this run and not yet read back from the file
        return value.toString();
    default:
        return std::nullopt;
    }
}

std::string QSettingsStore::ReadString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) {
    const auto text = ReadText(section, key);
    return text ? text->toStdString() : std::string(defaultValue);
}

bool QSettingsStore::WriteString(std::string_view section, std::string_view key,
                                 std::string_view value) {
    return Write(section, key, ToQString(value));
}

int32_t QSettingsStore::ReadInt(std::string_view section, std::string_view key,
                                int32_t defaultValue) {
    const auto text = ReadText(section, key);
    bool ok = false;
    const int32_t value = text ? text->toInt(&ok) : 0;
    return ok ? value : defaultValue;
}

bool QSettingsStore::WriteInt(std::string_view section, std::string_view key, int32_t value) {
    return Write(section, key, value);
}

std::optional<std::vector<uint8_t>> QSettingsStore::ReadBinary(std::string_view section,
                                                               std::string_view key) {
    return BytesOf(Read(section, key));
}

bool QSettingsStore::WriteBinary(std::string_view section, std::string_view key,
                                 std::span<const uint8_t> bytes) {
    return Write(section, key, ByteArrayOf(bytes));
}

bool QSettingsStore::UpdateBinary(std::string_view section, std::string_view key,
                                  const BinaryChange& change) {
    if (!settings || FileProblem(fileName) || !settings->isWritable()) return false;
    QLockFile lock(fileName + QStringLiteral(".update.lock"));
    lock.setStaleLockTime(kStaleLock);
    if (!lock.tryLock(kLockWait) || !QSettingsLockFree(fileName)) {
        // Most likely another copy of the game that hangs; the player's window must not.
        Warn(QStringLiteral("Zentile: the settings file %1 could not be locked; %2 stays in "
                            "memory and is stored with the next change.")
                 .arg(fileName, Key(section, key)));
        return false;
    }
    // A QSettings of its own reads the file again as it is now (it shares the values cached
    // with the store's), and its status holds only this change's errors.
    QSettings current(fileName, QSettings::IniFormat);
    const QString name = Key(section, key);
    const auto bytes = change(BytesOf(current.value(name)));
    if (!bytes) return true;
    current.setValue(name, ByteArrayOf(*bytes));
    current.sync();
    // A file that does not parse well is still written; only an access error stops the write.
    return current.status() != QSettings::AccessError;
}

} // namespace zentile
