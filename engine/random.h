#pragma once
// The pseudo-random numbers of one trial. Every trial starts its own sequence: the standard
// 32-bit Mersenne Twister (std::mt19937) seeded from std::seed_seq{2000, trial}. A trial's
// draws therefore never depend on the trials before it, and the same job gives the same plan
// on every machine, build and number of threads.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace trimora {

class TrialRandom {
 public:
  // Restarts the sequence for the given trial.
  void Seed(int32_t trial);

  // The next 32-bit output u of the generator.
  uint32_t NextWord() {
    if (next_ == kStateSize) Refill();
    return outputs_[next_++];
  }

  // The outputs of the current block not drawn yet, refilling the block first when all are;
  // Advance(n) counts the next n outputs as drawn.
  std::span<const uint32_t> Block() {
    if (next_ == kStateSize) Refill();
    return {outputs_.data() + next_, kStateSize - next_};
  }
  void Advance(size_t n);

  // The next number in [0, 1): u / 2^32.
  double Next() { return double(NextWord()) / 4294967296.0; }

  // floor((hi - lo + 1) * r + lo) for the next r; lo .. hi when lo <= hi. One draw.
  int16_t RandomInt(int16_t lo, int16_t hi) {
    const uint32_t u = NextWord();
    if (lo > hi) return EmptyRangeInt(lo, hi, u);
    // With n = hi - lo + 1, n * u / 2^32 + lo is exact in a double (it needs fewer than 50
    // bits), so its floor is lo plus the high half of the 64-bit product n * u.
    const uint64_t n = uint64_t(int32_t(hi) - int32_t(lo) + 1);
    return int16_t(int32_t(lo) + int32_t((n * u) >> 32));
  }

 private:
  static constexpr size_t kStateSize = 624;

  // The pinned formula itself, for a range the run never asks for.
  static int16_t EmptyRangeInt(int16_t lo, int16_t hi, uint32_t u);

  // Advances the state by one whole block and tempers it into the next outputs, exactly as
  // std::mt19937 would hand them out one by one.
  void Refill();

  std::array<uint32_t, kStateSize> state_{};
  std::array<uint32_t, kStateSize> outputs_{};
  size_t next_ = kStateSize;
};

}  // namespace trimora
