#pragma once

#include "store/SettingsStore.h"

#include <cstddef>
#include <map>
#include <span>
#include <utility>
#include <variant>

namespace zentile {

// Settings held in memory: what an update of any store reads and writes, and the whole store of
// tests and of a run that must leave no trace. Values keep the form they were written in; reading
// one in another form converts the way a settings file would (an integer reads as its decimal text
// and back).
class MemorySettingsStore : public SettingsStore {
public:
    using Value = std::variant<std::string, int32_t, std::vector<uint8_t>>;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) override;
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    int32_t ReadInt(std::string_view section, std::string_view key, int32_t defaultValue) override;
    bool WriteInt(std::string_view section, std::string_view key, int32_t value);
    std::optional<std::vector<uint8_t>> ReadBinary(std::string_view section,
                                                   std::string_view key) override;
    bool WriteBinary(std::string_view section, std::string_view key,
                     std::span<const uint8_t> bytes);
    // Nothing else writes in between here; fails, without asking for the change, as every
    // write does under failWrites.
    bool Update(const Change& change) override;

    using Values = std::map<std::pair<std::string, std::string>, Value, std::less<>>;
    const Values& All() const { return values; }
    const Value* Find(std::string_view section, std::string_view key) const;
    void Erase(std::string_view section, std::string_view key);

    // Writes so far that changed a value, so that a test can tell that nothing was written.
    std::size_t writes = 0;
    // Makes every write fail, as a store on a read-only medium would.
    bool failWrites = false;

private:
    bool Write(std::string_view section, std::string_view key, Value value);

    Values values;
};

} // namespace zentile
