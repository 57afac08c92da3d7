#pragma once
// The eight ways of growing a layout on the same roll. A run grows a candidate under every
// variant and keeps the best, so the variants are the engine's main source of variety.
//
// Each variant is a choice of three traits:
// - the orientation tried first on trials 1 to 16: lengthwise for odd variants, crosswise for
//   even ones;
// - the direction of growth. Across (variants 1, 2, 5, 6): the topmost free area is filled
//   first, so the layout grows in bands across the roll's width; a block gives up rows (ny)
//   first to the quantity and to clearance, the first block's random count is ny up to 55%
//   of the trials, and a free area snaps along X before Y. Along (variants 3, 4, 7, 8): the
//   leftmost free area first, strips along the roll's length; everything by columns (nx) and
//   Y before X instead. The blade must reach across the usable width for Across variants,
//   along the usable length for Along ones;
// - the cut-line rule of the block commit.

#include <array>
#include <cstdint>

#include "engine/area_list.h"

namespace trimora {

enum class Growth : uint8_t { kAcross, kAlong };

enum class CutLineRule : uint8_t {
  kAcrossAtLeftMargin,  // a line across the width when the area starts at M(L), else along
  kAlongAtTopMargin,    // a line along the length when the area starts at M(T), else across
  kAcross,              // always a line across the width
  kAlong,               // always a line along the length
};

struct Variant {
  int16_t number;  // 1 .. 8
  Orientation firstOrientation;
  Growth growth;
  CutLineRule cutLine;
};

inline constexpr int16_t kVariantCount = 8;

inline constexpr std::array<Variant, kVariantCount> kVariants = {{
    {1, kLengthwise, Growth::kAcross, CutLineRule::kAcrossAtLeftMargin},
    {2, kCrosswise, Growth::kAcross, CutLineRule::kAcrossAtLeftMargin},
    {3, kLengthwise, Growth::kAlong, CutLineRule::kAlongAtTopMargin},
    {4, kCrosswise, Growth::kAlong, CutLineRule::kAlongAtTopMargin},
    {5, kLengthwise, Growth::kAcross, CutLineRule::kAcross},
    {6, kCrosswise, Growth::kAcross, CutLineRule::kAcross},
    {7, kLengthwise, Growth::kAlong, CutLineRule::kAlong},
    {8, kCrosswise, Growth::kAlong, CutLineRule::kAlong},
}};

// Across variants need the blade to reach across the roll's usable area, Along variants along
// it; equal is enough. A variant skipped on a roll grows no candidate there.
inline bool VariantSkipped(const AreaRecord& usable, const Variant& variant, float bladeReach) {
  if (variant.growth == Growth::kAcross) return usable.XE - usable.XS > bladeReach;
  return usable.YE - usable.YS > bladeReach;
}

}  // namespace trimora
