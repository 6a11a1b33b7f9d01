#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zentile {

// The per-user settings store, addressed by section and key. The window keeps it in
// QSettings; tests use an in-memory store. Writes report success, but the game never
// tells the player about a failed write: the value in memory stays in force.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) = 0;
    virtual bool WriteString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    virtual int32_t ReadInt(std::string_view section, std::string_view key,
                            int32_t defaultValue) = 0;
    virtual bool WriteInt(std::string_view section, std::string_view key, int32_t value) = 0;
    // None when the value is absent or cannot be read as bytes.
    virtual std::optional<std::vector<uint8_t>> ReadBinary(std::string_view section,
                                                           std::string_view key) = 0;
    virtual bool WriteBinary(std::string_view section, std::string_view key,
                             std::span<const uint8_t> bytes) = 0;

    // Makes the new value from the one stored now (none when absent or not bytes), or nothing
    // to leave it as it is.
    using BinaryChange = std::function<std::optional<std::vector<uint8_t>>(
        const std::optional<std::vector<uint8_t>>& stored)>;
    // One binary value read again from where it is kept, changed and written back, with no
    // other copy of the game writing in between: each copy running at the same time keeps what
    // the others stored. False when it could not be done (another copy held the store for too
    // long, or the write failed); the caller keeps its change and tries again later.
    virtual bool UpdateBinary(std::string_view section, std::string_view key,
                              const BinaryChange& change) = 0;
};

} // namespace zentile
