#pragma once
// One step of growing a layout: a block of nx x ny copies of one cut, in one orientation, put
// into one free area with its first copy at the area's corner nearest the roll's origin.

#include <cstdint>
#include <vector>

#include "engine/area_list.h"
#include "engine/work_lists.h"

namespace trimora {

// Succeeds when nx >= 1 and ny >= 1 on return: the cut's QTY is then lower by nx*ny and the
// area list has grown. On failure neither list has changed (random draws stay consumed).
// bladeReach is BLADE + KERF: no block extends further than that along Y.
void PlaceCutBlock(int16_t& nx, int16_t& ny, WorkCuts& cuts, int16_t cutIndex, AreaList& areas,
                   int16_t areaIndex, const WorkRolls& rolls, int16_t variant, int32_t trial,
                   int32_t trialCount, bool firstPlacement, float bladeReach);

// Which blocks failed in one free area after the layout's first block. Such a placement
// depends only on the cut, its orientation and the lists, and a failure changes neither list,
// so until a block is placed a repeated attempt fails again; it then only makes its draws.
class PlacementMemo {
 public:
  // Forgets everything; call whenever the area list or the cuts have changed.
  void Reset(size_t cutCount) { failed_.assign(cutCount + 1, 0); }
  bool Failed(int16_t cutIndex, int16_t orientation) const {
    return size_t(cutIndex) < failed_.size() && (failed_[size_t(cutIndex)] & Bit(orientation));
  }
  void MarkFailed(int16_t cutIndex, int16_t orientation) {
    if (size_t(cutIndex) < failed_.size()) failed_[size_t(cutIndex)] |= Bit(orientation);
  }

 private:
  static uint8_t Bit(int16_t orientation) { return orientation == 1 ? 1 : 2; }
  std::vector<uint8_t> failed_;
};

// The same, consulting and filling memo for placements that are not the layout's first.
void PlaceCutBlock(int16_t& nx, int16_t& ny, WorkCuts& cuts, int16_t cutIndex, AreaList& areas,
                   int16_t areaIndex, const WorkRolls& rolls, int16_t variant, int32_t trial,
                   int32_t trialCount, bool firstPlacement, float bladeReach,
                   PlacementMemo* memo);

}  // namespace trimora
