#include "images/random.h"

namespace {

std::uint64_t Scramble(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double ToUnit(std::uint64_t bits) {
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

} // namespace

std::uint64_t Random::Next() {
    state_ += 0x9e3779b97f4a7c15ULL;
    return Scramble(state_);
}

double Random::Unit() {
    return ToUnit(Next());
}

double Random::Range(double low, double high) {
    return low + (high - low) * Unit();
}

double LatticeValue(int x, int y, std::uint32_t seed) {
    const std::uint64_t key = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32) |
                              static_cast<std::uint32_t>(y);
    return ToUnit(Scramble(key ^ Scramble(seed + 0x9e3779b97f4a7c15ULL)));
}
