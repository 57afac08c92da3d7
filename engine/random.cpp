#include "engine/random.h"

#include <algorithm>
#include <cmath>

namespace trimora {

namespace {

// std::mt19937's parameters.
constexpr size_t kShift = 397;
constexpr uint32_t kMatrix = 0x9908b0dfu;
constexpr uint32_t kUpperBit = 0x80000000u;
constexpr uint32_t kLowerBits = 0x7fffffffu;

uint32_t Twisted(uint32_t current, uint32_t next, uint32_t shifted) {
  const uint32_t y = (current & kUpperBit) | (next & kLowerBits);
  return shifted ^ (y >> 1) ^ ((y & 1u) ? kMatrix : 0u);
}

uint32_t Tempered(uint32_t y) {
  y ^= y >> 11;
  y ^= (y << 7) & 0x9d2c5680u;
  y ^= (y << 15) & 0xefc60000u;
  return y ^ (y >> 18);
}

// std::seed_seq{2000, trial}.generate() over the whole state, as the standard defines it, with
// the state size known when compiling and the word written last kept at hand, as the next
// step reads it: this runs once per trial, and the library's version, which takes the size
// from its arguments, spends most of its time dividing.
void SeedSequence(uint32_t trial, std::array<uint32_t, 624>& state) {
  constexpr size_t n = 624;
  constexpr size_t t = 11;  // for n >= 623
  constexpr size_t p = (n - t) / 2;
  constexpr size_t q = p + t;
  const uint32_t seeds[2] = {2000u, trial};
  constexpr size_t s = 2;
  const auto T = [](uint32_t x) { return x ^ (x >> 27); };
  state.fill(0x8b8b8b8bu);
  const auto at = [&](size_t k) -> uint32_t& { return state[k % n]; };
  // m = max(s + 1, n) = n: k runs through 0 .. n - 1 once in each loop.
  uint32_t previous = state[n - 1];
  for (size_t k = 0; k < n; ++k) {
    const uint32_t r1 = 1664525u * T(at(k) ^ at(k + p) ^ previous);
    const uint32_t r2 = r1 + uint32_t(k == 0 ? s : k <= s ? k + seeds[k - 1] : k);
    at(k + p) += r1;
    at(k + q) += r2;
    at(k) = r2;
    previous = r2;
  }
  for (size_t k = n; k < 2 * n; ++k) {
    const uint32_t r3 = 1566083941u * T(at(k) + at(k + p) + previous);
    const uint32_t r4 = r3 - uint32_t(k - n);
    at(k + p) ^= r3;
    at(k + q) ^= r4;
    at(k) = r4;
    previous = r4;
  }
}

}  // namespace

void TrialRandom::Seed(int32_t trial) {
  // Seeding as the standard defines it for std::mt19937: the seed sequence fills the state,
  // and an all-zero state (but for the lower 31 bits of the first word) gets its top bit set.
  SeedSequence(uint32_t(trial), state_);
  bool zero = (state_[0] & kUpperBit) == 0;
  for (size_t i = 1; i < kStateSize && zero; ++i) zero = state_[i] == 0;
  if (zero) state_[0] = kUpperBit;
  next_ = kStateSize;
}

void TrialRandom::Refill() {
  // Split where i + kShift wraps around, so that each loop is a plain pass the compiler can
  // vectorise; every word is computed from the same words as in the one-at-a-time form.
  constexpr size_t kSplit = kStateSize - kShift;
  for (size_t i = 0; i < kSplit; ++i) {
    state_[i] = Twisted(state_[i], state_[i + 1], state_[i + kShift]);
  }
  for (size_t i = kSplit; i < kStateSize - 1; ++i) {
    state_[i] = Twisted(state_[i], state_[i + 1], state_[i - kSplit]);
  }
  state_[kStateSize - 1] = Twisted(state_[kStateSize - 1], state_[0], state_[kShift - 1]);
  for (size_t i = 0; i < kStateSize; ++i) outputs_[i] = Tempered(state_[i]);
  next_ = 0;
}

void TrialRandom::Advance(size_t n) {
  while (n > 0) {
    if (next_ == kStateSize) Refill();
    const size_t take = std::min(n, kStateSize - next_);
    next_ += take;
    n -= take;
  }
}

int16_t TrialRandom::EmptyRangeInt(int16_t lo, int16_t hi, uint32_t u) {
  const double value = double(hi - lo + 1) * (double(u) / 4294967296.0) + double(lo);
  return int16_t(std::floor(value));
}

}  // namespace trimora
