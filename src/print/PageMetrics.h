#pragma once

#include <cstdint>

namespace zentile {

// The printable area of the page in device pixels, read from the printer before the first
// page. (0, 0) is its top-left corner.
struct PageMetrics {
    int32_t width = 0;
    int32_t height = 0;
};

} // namespace zentile
