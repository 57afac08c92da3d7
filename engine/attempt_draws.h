#pragma once
// The random draws of the attempts in one free area. An attempt draws a cut index
// c = RandomInt(1, C) and, when that cut draws its orientation, one more number, o =
// RandomInt(1, 2).

#include <cstdint>
#include <optional>
#include <span>

#include "engine/area_list.h"
#include "engine/random.h"

namespace trimora {

// What an attempt of a cut comes to in the free area being filled: a word of these bits per
// cut index. A cut without copies left has none.
namespace attempt {
inline constexpr uint32_t kDrawsOrientation = 1;  // the attempt draws the orientation
inline constexpr uint32_t kBothFits = 2 | 4;
inline constexpr uint32_t kBothOpen = 8 | 16;
// The block fits the area and the blade reach in this orientation.
inline constexpr uint32_t Fit(Orientation o) { return o == kLengthwise ? 2 : 4; }
// The attempt in this orientation may place a block (it is not bound to fail).
inline constexpr uint32_t Open(Orientation o) { return o == kLengthwise ? 8 : 16; }
}  // namespace attempt

// An attempt that may place a block: the cut, and the orientation step 1 chose for it.
struct OpenAttempt {
  int16_t cut = 0;
  Orientation orientation = kNoOrientation;
};

// Makes the draws of `count` random attempts that are all bound to fail. status is indexed
// by cut, 1 .. C. The draws are worked out a stretch of the generator's outputs at a time:
// for every output, what it would mean as a cut draw; from that, which outputs are cut draws,
// without walking from one draw to the next.
void DrawFailingAttempts(TrialRandom& random, std::span<const uint32_t> status, size_t count);

// Makes the draws of random attempts, at most `left` of them, until one may place a block: an
// attempt whose cut draws its orientation and has it open, or whose cut draws none and has an
// orientation open. `left` counts down the attempts made.
std::optional<OpenAttempt> DrawUntilOpen(TrialRandom& random, std::span<const uint32_t> status,
                                         int16_t& left);

}  // namespace trimora
