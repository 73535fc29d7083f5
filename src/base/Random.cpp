#include "base/Random.h"

#include <chrono>
#include <random>

namespace {
std::mt19937& generator() {
    static std::mt19937 gen(1);
    return gen;
}
} // namespace

void SeedRandom(std::uint32_t seed) {
    generator().seed(seed);
}

void SeedRandomFromClock() {
    SeedRandom(static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

double Rnd() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator());
}
