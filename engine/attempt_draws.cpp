#include "engine/attempt_draws.h"

#include <algorithm>
#include <bit>

namespace trimora {

namespace {

using attempt::kBothOpen;
using attempt::kDrawsOrientation;
using attempt::Open;

// Which outputs of a stretch are orientation draws, given for each output whether a cut draw
// there is followed by one (drawing) and whether the stretch's first output is one (carry): in
// a run of outputs that would be followed by one, cut draws and orientation draws alternate
// from the run's start. The addition finds where runs start on odd and on even positions.
uint64_t OrientationDraws(uint64_t drawing, uint64_t carry) {
  constexpr uint64_t kEven = 0x5555555555555555u;
  drawing &= ~carry;
  const uint64_t follows = (drawing << 1) | carry;
  const uint64_t oddStarts = drawing & ~kEven & ~follows;
  const uint64_t evenRuns = oddStarts + drawing;
  return (kEven ^ (evenRuns << 1)) & follows;
}

uint64_t FirstBits(size_t n) { return n >= 64 ? ~uint64_t(0) : (uint64_t(1) << n) - 1; }

// Keeps the first n set bits of bits.
uint64_t FirstSetBits(uint64_t bits, size_t n) {
  if (size_t(std::popcount(bits)) <= n) return bits;
  uint64_t rest = bits;
  for (size_t i = 0; i < n; ++i) rest &= rest - 1;
  return bits & ~rest;
}

// The cut index RandomInt(1, cuts) makes of an output.
size_t CutOf(uint64_t cuts, uint32_t u) { return size_t(((cuts * u) >> 32) + 1); }

// The cut draws of one stretch of outputs and what follows them.
struct Stretch {
  size_t length = 0;
  uint64_t drawing = 0;   // output i, as a cut draw, is followed by an orientation draw
  uint64_t cutDraws = 0;  // the outputs that are cut draws of the attempts counted
};

// Counts the attempts of a stretch that are wanted and moves past the last of them, or past
// the whole stretch; returns the first output past them and sets carry for the next stretch.
size_t EndOfAttempts(Stretch& s, size_t wanted, uint64_t& carry) {
  s.cutDraws = FirstSetBits(s.cutDraws, wanted);
  if (size_t(std::popcount(s.cutDraws)) < wanted) {
    carry = ((s.cutDraws & s.drawing) >> (s.length - 1)) & 1;
    return s.length;
  }
  const size_t last = size_t(63 - std::countl_zero(s.cutDraws));
  carry = 0;
  return last + 1 + size_t((s.drawing >> last) & 1);
}

}  // namespace

void DrawFailingAttempts(TrialRandom& random, std::span<const uint32_t> status, size_t count) {
  const uint64_t cuts = status.size() - 1;
  uint64_t carry = 0;  // the next output is an orientation draw
  while (count > 0) {
    const std::span<const uint32_t> block = random.Block();
    Stretch s;
    s.length = std::min({size_t(64), block.size(), 2 * count});
    for (size_t i = 0; i < s.length; ++i) {
      s.drawing |= uint64_t(status[CutOf(cuts, block[i])] & kDrawsOrientation) << i;
    }
    s.cutDraws = ~OrientationDraws(s.drawing, carry) & FirstBits(s.length);
    const size_t end = EndOfAttempts(s, count, carry);
    count -= size_t(std::popcount(s.cutDraws));
    random.Advance(end);  // past the block's end when its last attempt draws in the next
  }
}

std::optional<OpenAttempt> DrawUntilOpen(TrialRandom& random, std::span<const uint32_t> status,
                                         int16_t& left) {
  const int16_t cuts = int16_t(status.size() - 1);
  while (left > 0) {
    --left;
    const int16_t c = random.RandomInt(1, cuts);
    const uint32_t f = status[size_t(c)];
    if (f & kDrawsOrientation) {
      const auto o = Orientation(random.RandomInt(1, 2));
      if (f & Open(o)) return OpenAttempt{c, o};
    } else if (f & kBothOpen) {
      return OpenAttempt{c, (f & Open(kLengthwise)) ? kLengthwise : kCrosswise};
    }
  }
  return std::nullopt;
}

}  // namespace trimora
