#include "ui/QSettingsStore.h"

#include "model/Host.h"
#include "store/StoreTexts.h"
#include "ui/QtText.h"

#include <QByteArray>

namespace zentile {

namespace {

QString Key(std::string_view section, std::string_view key) {
    return ToQString(section) + QLatin1Char('/') + ToQString(key);
}

} // namespace

QSettingsStore::QSettingsStore()
    : settings(QSettings::IniFormat, QSettings::UserScope, ToQString(kCompanyName),
               ToQString(kApplicationTitle)) {
    pendingWrite.setSingleShot(true);
    pendingWrite.setInterval(0);
    QObject::connect(&pendingWrite, &QTimer::timeout, [this] { settings.sync(); });
}

QSettingsStore::~QSettingsStore() {
    // Whatever the last command changed is written before the program ends.
    settings.sync();
}

QVariant QSettingsStore::Read(std::string_view section, std::string_view key) {
    return settings.value(Key(section, key));
}

bool QSettingsStore::Write(std::string_view section, std::string_view key, const QVariant& value) {
    if (!settings.isWritable()) return false;
    settings.setValue(Key(section, key), value);
    // Saved when they change, not at exit: the file is rewritten as soon as the command is done.
    pendingWrite.start();
    return settings.status() == QSettings::NoError;
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
    const QVariant value = Read(section, key);
    // Only what was written as bytes; a text typed into the file is not a binary value.
    if (value.typeId() != QMetaType::QByteArray) return std::nullopt;
    const QByteArray bytes = value.toByteArray();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

bool QSettingsStore::WriteBinary(std::string_view section, std::string_view key,
                                 std::span<const uint8_t> bytes) {
    return Write(section, key,
                 QByteArray(reinterpret_cast<const char*>(bytes.data()),
                            static_cast<qsizetype>(bytes.size())));
}

} // namespace zentile
