#include "print/PrintEntry.h"

namespace zentile {

std::string Caption(std::string_view levelName, int32_t gameNumber) {
    std::string text(levelName);
    text += "  #";
    text += std::to_string(gameNumber);
    return text;
}

} // namespace zentile
