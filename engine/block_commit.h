#pragma once
// Committing a settled block: the cut's quantity falls, the free area is spent, one placed
// piece per copy is appended, and the rest of the free area becomes two new free areas, the
// strip right of the block (full height) and the strip below it (full width), which overlap
// in the corner beyond the block.

#include <cstdint>

#include "engine/area_list.h"
#include "engine/work_lists.h"

namespace trimora {

// Marks record k spent unless it has positive width and height.
void RetireDegenerateArea(AreaList& areas, int16_t k);

// Both commit nx x ny copies (nx, ny >= 1) of cut cutIndex in the given orientation at the
// corner of free area areaIndex. Copies are appended row by row, then the free area right of
// the block, then the one below it. Neither checks that the block fits or is clear.
//
// When the spent area spanned the roll's whole usable width, a cut line across the whole roll
// width follows at the block's bottom edge.
void CommitBlockWidthLine(int16_t nx, int16_t ny, int16_t cutIndex, int16_t orientation,
                          WorkCuts& cuts, int16_t areaIndex, AreaList& areas,
                          const WorkRolls& rolls);
// When the spent area spanned the roll's whole usable length, a cut line along the whole roll
// length follows at the block's right edge.
void CommitBlockLengthLine(int16_t nx, int16_t ny, int16_t cutIndex, int16_t orientation,
                           WorkCuts& cuts, int16_t areaIndex, AreaList& areas,
                           const WorkRolls& rolls);

}  // namespace trimora
