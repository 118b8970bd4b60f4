#pragma once
// The program's one pseudo-random generator: a 32-bit linear congruential generator.
#include <cstdint>

namespace korven {

class RandomGenerator {
public:
    explicit RandomGenerator(std::uint32_t seed = 0) : seed_(seed) {}
    std::uint32_t seed() const { return seed_; }
    void setSeed(std::uint32_t seed) { seed_ = seed; }
    // seed <- seed * 134775813 + 1; result = high 32 bits of (new seed * n).
    int below(int n);
    // a + below(b - a); when b < a: b + below(a - b).
    int range(int a, int b);
    // Seeds from the UTC time of day in milliseconds.
    void seedFromTimeOfDay();
    // Seeds from the millisecond tick count.
    void seedFromTickCount();

private:
    std::uint32_t seed_;
};

// The generator shared by the exercise window (seeded at its construction, reseeded per scatter).
RandomGenerator &globalRandom();

} // namespace korven
