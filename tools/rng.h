#pragma once
// A small deterministic random generator (splitmix64): the same seed gives the same numbers on every
// platform, which the standard library's distributions do not promise.
#include <cstdint>

namespace korven {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    // Seeds from several numbers, e.g. (seed, problem, piece).
    static Rng from(std::uint64_t a, std::uint64_t b = 0, std::uint64_t c = 0)
    {
        Rng r(mix(a + 0x9E3779B97F4A7C15ull));
        r.state_ ^= mix(b + 0x632BE59BD9B4E019ull);
        r.state_ = mix(r.state_ ^ (c * 0xD1B54A32D192ED03ull + 1));
        return r;
    }

    std::uint64_t next()
    {
        state_ += 0x9E3779B97F4A7C15ull;
        return mix(state_);
    }

    // Uniform in [0, 1).
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double uniform(double low, double high) { return low + (high - low) * uniform(); }
    // Uniform whole number in [low, high].
    int integer(int low, int high) { return low + int(next() % std::uint64_t(high - low + 1)); }
    // Roughly normal, mean 0 and deviation 1 (sum of four uniforms, no library maths).
    double normal() { return (uniform() + uniform() + uniform() + uniform() - 2.0) * 1.7320508075688772; }

    static std::uint64_t mix(std::uint64_t z)
    {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t state_;
};

} // namespace korven
