#pragma once
// The two free areas a commit leaves behind overlap in the corner beyond the block, so a block
// that fits one of them may overlap copies placed through the other. Before a block is
// committed it is shrunk until it overlaps no placed piece of the layout being built.

#include <cstdint>

#include "engine/area_list.h"
#include "engine/work_lists.h"

namespace trimora {

// Strict test: rectangles that only share an edge or a corner do not overlap.
bool RectsOverlap(float ax1, float ay1, float ax2, float ay2, float bx1, float by1, float bx2,
                  float by2);

// Both take nx >= 1 and ny >= 1 for a block of cut cutIndex in the given orientation with its
// corner at (XS, YS) of record areaIndex. Obstacles are the placed pieces whose layout number
// is that of the list's last record. Each pass gives up one copy along the first line while
// that line overlaps, then one line of the block while the block overlaps, until the block is
// clear (both counts still >= 1) or a count reaches 0.
//
// Row-first: the first line is the first row, so nx goes first, then ny.
void ClearBlockRowFirst(int16_t& nx, int16_t& ny, int16_t orientation, int16_t cutIndex,
                        int16_t areaIndex, const AreaList& areas, const WorkCuts& cuts);
// Column-first: the first line is the first column, so ny goes first, then nx.
void ClearBlockColumnFirst(int16_t& nx, int16_t& ny, int16_t orientation, int16_t cutIndex,
                           int16_t areaIndex, const AreaList& areas, const WorkCuts& cuts);

}  // namespace trimora
