#include "store/MemorySettingsStore.h"

#include <charconv>

namespace zentile {

namespace {

std::pair<std::string, std::string> KeyOf(std::string_view section, std::string_view key) {
    return {std::string(section), std::string(key)};
}

} // namespace

const MemorySettingsStore::Value* MemorySettingsStore::Find(std::string_view section,
                                                            std::string_view key) const {
    const auto it = values.find(KeyOf(section, key));
    return it == values.end() ? nullptr : &it->second;
}

void MemorySettingsStore::Erase(std::string_view section, std::string_view key) {
    values.erase(KeyOf(section, key));
}

bool MemorySettingsStore::Write(std::string_view section, std::string_view key, Value value) {
    if (failWrites) return false;
    // A write that changes nothing is none, as in the settings file.
    const auto [place, added] = values.try_emplace(KeyOf(section, key), value);
    if (!added && place->second == value) return true;
    place->second = std::move(value);
    ++writes;
    return true;
}

std::string MemorySettingsStore::ReadString(std::string_view section, std::string_view key,
                                            std::string_view defaultValue) {
    const Value* value = Find(section, key);
    if (value == nullptr) return std::string(defaultValue);
    if (const auto* text = std::get_if<std::string>(value)) return *text;
    if (const auto* number = std::get_if<int32_t>(value)) return std::to_string(*number);
    return std::string(defaultValue);
}

bool MemorySettingsStore::WriteString(std::string_view section, std::string_view key,
                                      std::string_view value) {
    return Write(section, key, std::string(value));
}

int32_t MemorySettingsStore::ReadInt(std::string_view section, std::string_view key,
                                     int32_t defaultValue) {
    const Value* value = Find(section, key);
    if (value == nullptr) return defaultValue;
    if (const auto* number = std::get_if<int32_t>(value)) return *number;
    if (const auto* text = std::get_if<std::string>(value)) {
        int32_t parsed = 0;
        const char* end = text->data() + text->size();
        const auto [stop, error] = std::from_chars(text->data(), end, parsed);
        if (error == std::errc{} && stop == end) return parsed;
    }
    return defaultValue;
}

bool MemorySettingsStore::WriteInt(std::string_view section, std::string_view key, int32_t value) {
    return Write(section, key, value);
}

std::optional<std::vector<uint8_t>> MemorySettingsStore::ReadBinary(std::string_view section,
                                                                    std::string_view key) {
    const Value* value = Find(section, key);
    if (value == nullptr) return std::nullopt;
    if (const auto* bytes = std::get_if<std::vector<uint8_t>>(value)) return *bytes;
    return std::nullopt;
}

bool MemorySettingsStore::WriteBinary(std::string_view section, std::string_view key,
                                      std::span<const uint8_t> bytes) {
    return Write(section, key, std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

bool MemorySettingsStore::Update(const Change& change) {
    if (failWrites) return false;
    change(*this);
    return true;
}

} // namespace zentile
