#include "engine/random.h"

#include <cmath>
#include <random>

namespace trimora {

namespace {
thread_local std::mt19937 generator;
}

void SeedRandom(int32_t trial) {
  std::seed_seq seed{2000u, uint32_t(trial)};
  generator.seed(seed);
}

double NextRandom() { return double(generator()) / 4294967296.0; }

int16_t RandomInt(int16_t lo, int16_t hi) {
  const double r = NextRandom();
  return int16_t(std::floor(double(hi - lo + 1) * r + double(lo)));
}

}  // namespace trimora
