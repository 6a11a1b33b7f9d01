#pragma once

#include "store/SettingsStore.h"

#include <QEvent>
#include <QSettings>
#include <QTimer>
#include <memory>

namespace zentile {

// The settings store kept by QSettings: an INI file under the user's configuration folder,
// organisation "Quantelo", application "Zentile"; a section is an INI group. Binary values are
// stored as bytes. Texts and numbers are read only from text values: a value of another type in
// a damaged or hand-edited file (a list, a rectangle, bytes, text that is no UTF-8) reads as
// missing. Values are written to the file once the command that changed them is done, all
// together: each rewrite waits for the disk, and a command changes up to six values; QSettings
// rewrites only the values this copy changed, over what the file holds by then.
//
// A path that is no regular file (a FIFO would block the start, a device would be replaced) or a
// file over 1 MiB is left alone: a line on standard error says why, every value reads as missing
// and every write fails, so the game runs on its defaults.
class QSettingsStore : public SettingsStore {
public:
    // The file in the user's configuration folder, wherever QSettings::setPath put that.
    QSettingsStore();
    explicit QSettingsStore(const QString& fileName);
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
    // Under a lock file beside the settings file, "<file>.update.lock", taken within three
    // seconds or not at all (then a line on standard error); a lock older than ten seconds is
    // taken over, and one whose copy has ended at once.
    bool UpdateBinary(std::string_view section, std::string_view key,
                      const BinaryChange& change) override;

    QString FileName() const { return fileName; }

private:
    QVariant Read(std::string_view section, std::string_view key);
    std::optional<QString> ReadText(std::string_view section, std::string_view key);
    bool Write(std::string_view section, std::string_view key, const QVariant& value);
    bool Sync(); // false where the file could not be written now

    QString fileName;
    std::unique_ptr<QSettings> settings; // none for a file the game cannot use
    QTimer pendingWrite; // a zero timer: fires once the current command has returned

    // QSettings writes its changes by itself from the event loop, without the checks of the
    // file and of its lock that Sync makes; this keeps the writing to Sync.
    struct SyncOnlyWhenAsked : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            return event->type() == QEvent::UpdateRequest;
        }
    } syncOnlyWhenAsked;
};

} // namespace zentile
