#pragma once

#include "store/SettingsStore.h"

#include <QSettings>
#include <QTimer>

namespace zentile {

// The settings store kept by QSettings: an INI file under the user's configuration folder,
// organisation "Quantelo", application "Zentile"; a section is an INI group. Binary values are
// stored as bytes. Texts and numbers are read only from text values: a value of another type in
// a damaged or hand-edited file (a list, a rectangle, bytes, text that is no UTF-8) reads as
// missing. Values are written to the file once the command that changed them is done, all
// together: each rewrite waits for the disk, and a command changes up to six values.
class QSettingsStore : public SettingsStore {
public:
    QSettingsStore();
    ~QSettingsStore() override;
    QSettingsStore(const QSettingsStore&) = delete;
    QSettingsStore& operator=(const QSettingsStore&) = delete;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) override;
    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    int32_t ReadInt(std::string_view section, std::string_view key, int32_t defaultValue) override;
    bool WriteInt(std::string_view section, std::string_view key, int32_t value) override;
    std::optional<std::vector<uint8_t>> ReadBinary(std::string_view section,
                                                   std::string_view key) override;
    bool WriteBinary(std::string_view section, std::string_view key,
                     std::span<const uint8_t> bytes) override;

    QString FileName() const { return settings.fileName(); }

private:
    QVariant Read(std::string_view section, std::string_view key);
    std::optional<QString> ReadText(std::string_view section, std::string_view key);
    bool Write(std::string_view section, std::string_view key, const QVariant& value);

    QSettings settings;
    QTimer pendingWrite; // a zero timer: fires once the current command has returned
};

} // namespace zentile
