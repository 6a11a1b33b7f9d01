#pragma once

#include <cstdio>
#include <cstdlib>

namespace zentile::fuzz {

// A broken rule stops the run, so that the fuzzer keeps the input that broke it.
inline void Require(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

} // namespace zentile::fuzz
