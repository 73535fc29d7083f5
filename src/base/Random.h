#pragma once

#include <cstdint>

// The program's one random generator: seeded from the clock at start-up, seeded by tests.
void SeedRandom(std::uint32_t seed);
void SeedRandomFromClock();
// Uniform in [0, 1).
double Rnd();
