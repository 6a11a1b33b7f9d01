#pragma once

#include "store/MemorySettingsStore.h"

#include <QString>

namespace zentile {

// The settings store kept in QSettings' INI file under the user's configuration folder,
// organisation "Quantelo", application "Zentile"; a section is an INI group. Binary values are
// stored as bytes. Texts and numbers are read only from text values: a value of another type in
// a damaged or hand-edited file (a list, a rectangle, text that is no UTF-8) reads as missing.
//
// Other copies of the game, and earlier versions, write the same file. Each update takes
// QSettings' own lock on the file within a fifth of a second or gives up, reads the file itself
// as it is then, and replaces it whole with what was read and what the update wrote; a copy
// that holds the lock for longer (stopped, hung) delays nobody by more. Reads give the values
// of the last read or update.
//
// A path that is no regular file (a FIFO would block the start, a device would be replaced) or a
// file over 64 KiB is left alone: a line on standard error says why, every value reads as missing
// and every write fails, so the game runs on its defaults. No update makes the file larger than
// that.
class QSettingsStore : public SettingsStore {
public:
    // The file in the user's configuration folder, wherever QSettings::setPath put that.
    QSettingsStore();
    explicit QSettingsStore(const QString& fileName);

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) override;
    int32_t ReadInt(std::string_view section, std::string_view key, int32_t defaultValue) override;
    std::optional<std::vector<uint8_t>> ReadBinary(std::string_view section,
                                                   std::string_view key) override;
    bool Update(const Change& change) override;

    QString FileName() const { return fileName; }

private:
    QString fileName;
    MemorySettingsStore stored; // the file's values as last read or written
};

} // namespace zentile
