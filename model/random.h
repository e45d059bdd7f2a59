#pragma once

#include <array>
#include <cstdint>

// The model's source of randomness. A run is seeded, and the same seed must give
// the same run on every platform the program is built for, so the generator is
// written out here in integer arithmetic rather than taken from the standard
// library, whose engines are portable but whose distributions are not.
namespace quorvel {

// SplitMix64 (G. L. Steele, D. Lea and C. H. Flood, "Fast splittable pseudorandom
// number generators", OOPSLA 2014): adds the golden-ratio increment
// 0x9e3779b97f4a7c15 to state and returns a bijective mix of the new state. One
// call per output; used only to spread a seed over the state of Generator, as
// Vigna advises, since nearby seeds then give unrelated streams.
inline std::uint64_t SplitMix64(std::uint64_t &state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15u);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
}

// xoshiro256** 1.0 (D. Blackman and S. Vigna, "Scrambled linear pseudorandom
// number generators", 2018): 256 bits of state, period 2^256 - 1, and every
// output bit passes the usual statistical batteries. A draw is six xors, a
// shift, two rotations and two multiplications, so that the model's
// sampling, not the generator, sets the pace of a run.
class Generator {
public:
    // The whole state: what a caller saves to resume the same stream later.
    struct State {
        std::array<std::uint64_t, 4> words;
    };

    // The four words are four successive SplitMix64 outputs from seed. They are
    // never all zero (the mix is a bijection of distinct counters), the one
    // state xoshiro must not start from.
    explicit Generator(std::uint64_t seed) {
        for (std::uint64_t &word : s_)
            word = SplitMix64(seed);
    }
    // Resumes at a state from state(); it must not be all zero.
    explicit Generator(const State &state) : s_(state.words) {}

    State state() const { return {s_}; }

    // The next 64 bits: the output scrambler ** is rotl(s1 * 5, 7) * 9, then the
    // linear engine moves on.
    std::uint64_t next() {
        const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = Rotl(s_[3], 45);
        return result;
    }

    // Uniform on [0, 1) in steps of 2^-53: the top 53 bits, which are the best
    // ones, and a product that is exact, so every platform has the same double.
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

private:
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::array<std::uint64_t, 4> s_;
};

} // namespace quorvel
