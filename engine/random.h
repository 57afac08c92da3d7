#pragma once
// The run's pseudo-random numbers. The generator is reset at the start of every trial, so a
// trial's draws never depend on the trials before it and the same job always gives the same
// result on every machine and build. Each thread has its own generator.

#include <cmath>
#include <cstdint>
#include <random>

namespace trimora {

namespace random_detail {
// Held by pointer: a thread_local of a type with a constructor would be checked for its
// initialisation at every one of the many millions of draws of a run.
struct GeneratorSlot {
  std::mt19937* generator = nullptr;
};
inline thread_local GeneratorSlot slot;
std::mt19937& ThreadGenerator();
}  // namespace random_detail

// Resets this thread's generator to std::mt19937 seeded from std::seed_seq{2000, trial}.
void SeedRandom(int32_t trial);

// The next number in [0, 1): one 32-bit output u, as u / 2^32.
inline double NextRandom() {
  std::mt19937* generator = random_detail::slot.generator;
  if (!generator) generator = &random_detail::ThreadGenerator();
  return double((*generator)()) / 4294967296.0;
}

// floor((hi - lo + 1) * r + lo) for the next r; lo .. hi when lo <= hi.
inline int16_t RandomInt(int16_t lo, int16_t hi) {
  const double value = double(hi - lo + 1) * NextRandom() + double(lo);
  // Truncation is the floor for values not below 0, and much cheaper than a call to floor.
  return int16_t(value >= 0 ? int64_t(value) : int64_t(std::floor(value)));
}

}  // namespace trimora
