#pragma once

#include <QString>
#include <string_view>

namespace zentile {

// The core's texts are UTF-8 views; every Qt label, caption and document name goes through here.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace zentile
