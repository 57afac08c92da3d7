#include "engine/attempt_draws.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace trimora {
namespace {

// The draws of failing attempts, found a stretch at a time, are those of the attempts made
// one by one, block boundaries included.
TEST(DrawFailingAttempts, MakesTheDrawsOfTheAttemptsMadeOneByOne) {
  std::mt19937 pick(7);
  for (const int16_t cuts : {1, 6, 33, 60, 200}) {
    std::vector<uint32_t> flags(size_t(cuts) + 1);  // by cut index; the orientation bit is 1
    for (auto& f : flags) f = pick() % 4;
    for (const size_t skip : {0u, 1u, 600u, 623u}) {
      TrialRandom fast;
      TrialRandom slow;
      fast.Seed(cuts);
      slow.Seed(cuts);
      fast.Advance(skip);
      for (size_t i = 0; i < skip; ++i) slow.NextWord();
      for (int round = 0; round < 50; ++round) {
        DrawFailingAttempts(fast, flags, size_t(cuts));
        for (int d = 0; d < cuts; ++d) {
          if (flags[size_t(slow.RandomInt(1, cuts))] & 1) slow.NextWord();
        }
        ASSERT_EQ(fast.NextWord(), slow.NextWord()) << cuts << " " << skip << " " << round;
      }
    }
  }
}

}  // namespace
}  // namespace trimora
