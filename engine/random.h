#pragma once
// The run's pseudo-random numbers. The generator is reset at the start of every trial, so a
// trial's draws never depend on the trials before it and the same job always gives the same
// result on every machine and build.

#include <cstdint>

namespace trimora {

// Resets this thread's generator to std::mt19937 seeded from std::seed_seq{2000, trial}.
void SeedRandom(int32_t trial);

// The next number in [0, 1): one 32-bit output u, as u / 2^32.
double NextRandom();

// floor((hi - lo + 1) * r + lo) for the next r; lo .. hi when lo <= hi.
int16_t RandomInt(int16_t lo, int16_t hi);

}  // namespace trimora
