#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentile {

class MemorySettingsStore;

// The per-user settings store, addressed by section and key. The window keeps it in
// QSettings' file; tests use an in-memory store. Other copies of the game may share it.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // What this copy last read from the store or wrote to it.
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) = 0;
    virtual int32_t ReadInt(std::string_view section, std::string_view key,
                            int32_t defaultValue) = 0;
    // None when the value is absent or cannot be read as bytes.
    virtual std::optional<std::vector<uint8_t>> ReadBinary(std::string_view section,
                                                           std::string_view key) = 0;

    // One read-change-write with no other copy of the game writing in between: change reads
    // the values stored at this moment from `stored` and writes its changes there; only the
    // values it writes are stored, all together, and this copy reads what is stored from
    // then on. False when nothing could be stored (another copy held the store for too long,
    // or the write failed): the caller keeps its change and tries again later.
    using Change = std::function<void(MemorySettingsStore& stored)>;
    virtual bool Update(const Change& change) = 0;
};

} // namespace zentile
