#pragma once
// One step of growing a layout: a block of nx x ny copies of one cut, in one orientation, put
// into one free area with its first copy at the area's corner nearest the roll's origin.

#include <cstdint>
#include <optional>

#include "engine/free_area_attempts.h"
#include "engine/layout_context.h"

namespace trimora {

// Steps 2 to 7 of placing a block of the cut in the orientation chosen by step 1.
std::optional<Placement> PlaceBlock(LayoutContext& ctx, FreeAreaAttempts& attempts, int16_t area,
                                    int16_t cut, Orientation orientation, bool firstPlacement);

// Places a block of cut `cut` (QTY above 0) in free area `area`, for which `attempts` was
// prepared. On success the cut's QTY is lower by nx * ny and the layout has grown; on failure
// nothing has changed but the random draws made. firstPlacement is true until a block has
// been placed in the layout.
inline std::optional<Placement> PlaceCutBlock(LayoutContext& ctx, FreeAreaAttempts& attempts,
                                              int16_t area, int16_t cut, bool firstPlacement) {
  const std::optional<Orientation> orientation = attempts.Attempt(ctx, cut, firstPlacement);
  if (!orientation) return std::nullopt;
  return PlaceBlock(ctx, attempts, area, cut, *orientation, firstPlacement);
}

}  // namespace trimora
