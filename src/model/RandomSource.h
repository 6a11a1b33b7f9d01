#pragma once

#include <cstdint>

namespace zentile {

// The classic linear congruential generator: state = state * 214013 + 2531011 (mod 2^32),
// each draw (state >> 16) & 0x7FFF, a number 0..32767.
class RandomSource {
public:
    void Seed(uint32_t seed) { state = seed; }
    int32_t Draw() {
        state = state * 214013U + 2531011U;
        return static_cast<int32_t>((state >> 16) & 0x7FFFU);
    }

private:
    uint32_t state = 1;
};

} // namespace zentile
