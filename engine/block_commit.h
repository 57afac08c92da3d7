#pragma once
// Committing a settled block: the cut's quantity falls, the free area is spent, one placed
// piece per copy is appended, and the rest of the free area becomes two new free areas, the
// strip right of the block (full height) and the strip below it (full width), which overlap
// in the corner beyond the block.

#include "engine/layout_context.h"

namespace trimora {

// Which cut line a commit may add.
enum class CutLine {
  kAcrossWidth,  // when the spent area spanned the usable width: a line across the whole
                 // roll width, margins included, at the block's bottom edge
  kAlongLength,  // when it spanned the usable length: a line along the whole roll length at
                 // the block's right edge
};

// Commits the block p (nx, ny >= 1) at the corner of its free area. Copies are appended row
// by row, then the free area right of the block, then the one below it, then the cut line if
// its condition holds. Neither the fit nor the clearance of the block is checked here.
void CommitBlock(LayoutContext& ctx, const Placement& p, CutLine line);

}  // namespace trimora
