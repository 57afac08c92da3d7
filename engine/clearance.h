#pragma once
// The two free areas a commit leaves behind overlap in the corner beyond the block, so a block
// that fits one of them may overlap copies placed earlier through the other. Before a block is
// committed it is shrunk until it overlaps no placed piece of the layout.

#include <vector>

#include "engine/candidate_layout.h"
#include "engine/layout_context.h"
#include "engine/variants.h"

namespace trimora {

// Strict test: rectangles that only share an edge or a corner do not overlap.
inline bool RectsOverlap(float ax1, float ay1, float ax2, float ay2, float bx1, float by1,
                         float bx2, float by2) {
  return ax1 < bx2 && ax2 > bx1 && ay1 < by2 && ay2 > by1;
}

// Shrinks the block p (nx, ny >= 1) of copies of extents e, with its corner at (XS, YS) of
// area, until it overlaps none of the obstacles. Each pass gives up one copy of the first
// line while that line overlaps, then one line of the block while the block overlaps, until
// the block is clear or a count reaches 0. Across variants take the first column as the
// first line (the column-first clearance: ny gives way first), Along variants the first row
// (the row-first clearance: nx first). Returns whether the block is clear with both counts
// still at least 1.
bool ClearBlock(Placement& p, const AreaRecord& area, CutExtents e, Growth growth,
                const std::vector<Obstacle>& obstacles);

}  // namespace trimora
