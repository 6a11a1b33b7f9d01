#include "print/PrintEntry.h"

namespace zentile {

std::string Caption(std::string_view levelName, int32_t gameNumber) {
    std::string text(levelName);
    text += "  #";
    text += std::to_string(gameNumber);
    return text;
}

std::string Caption(const PrintEntry& entry) {
    const bool named = entry.level >= 0 && entry.level < static_cast<int32_t>(LevelNames.size());
    return Caption(named ? LevelNames[static_cast<std::size_t>(entry.level)] : "",
                   entry.gameNumber);
}

} // namespace zentile
