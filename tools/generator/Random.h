#pragma once

#include <cstdint>
#include <utility>

namespace zentile {

// xoshiro256** seeded through splitmix64: the same seed gives the same numbers on every
// platform, which the standard library's distributions do not promise.
class Random {
public:
    explicit Random(uint64_t seed) {
        for (uint64_t& word : state) {
            seed += 0x9E3779B97F4A7C15ull;
            uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            word = z ^ (z >> 31);
        }
    }

    uint64_t Next() {
        uint64_t result = Rotl(state[1] * 5, 7) * 9;
        uint64_t t = state[1] << 17;
        state[2] ^= state[0];
        state[3] ^= state[1];
        state[1] ^= state[2];
        state[0] ^= state[3];
        state[2] ^= t;
        state[3] = Rotl(state[3], 45);
        return result;
    }

    // A number in 0..n-1 (n > 0).
    uint32_t Below(uint32_t n) { return static_cast<uint32_t>(((Next() >> 32) * n) >> 32); }

    template <typename Container> void Shuffle(Container& items) {
        for (auto i = items.size(); i > 1; --i) {
            auto j = Below(static_cast<uint32_t>(i));
            std::swap(items[i - 1], items[j]);
        }
    }

private:
    static uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    uint64_t state[4];
};

} // namespace zentile
