#include "print/PrintEntry.h"

namespace zentile {

std::string Caption(const PrintEntry& entry) {
    const bool named = entry.level >= 0 && entry.level < static_cast<int32_t>(LevelNames.size());
    std::string text(named ? LevelNames[static_cast<std::size_t>(entry.level)] : "");
    text += "  #";
    text += std::to_string(entry.gameNumber);
    return text;
}

} // namespace zentile
