#include "engine/random.h"

namespace trimora {

namespace random_detail {
std::mt19937& ThreadGenerator() {
  thread_local std::mt19937 generator;
  slot.generator = &generator;
  return generator;
}
}  // namespace random_detail

void SeedRandom(int32_t trial) {
  std::seed_seq seed{2000u, uint32_t(trial)};
  random_detail::ThreadGenerator().seed(seed);
}

}  // namespace trimora
