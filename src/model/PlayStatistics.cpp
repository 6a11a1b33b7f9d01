#include "model/PlayStatistics.h"

#include <algorithm>
#include <limits>

namespace zentile {

uint32_t PenaltySeconds(const PlayStatistics& s) {
    const uint64_t penalty = 5ULL * s.undos + 5ULL * s.erasures + 10ULL * s.pencilToggles +
                             30ULL * s.branchUsed + 60ULL * s.highlightUsed + 120ULL * s.hints;
    return static_cast<uint32_t>(std::min<uint64_t>(penalty, std::numeric_limits<uint32_t>::max()));
}

} // namespace zentile
