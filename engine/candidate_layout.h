#pragma once
// A candidate layout while it is grown: its area list, exactly as the rules build it, and two
// indexes kept beside the list so that the steps run once per placement attempt need not walk
// it: the rectangles of the blocks placed so far, and the free areas still open.

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/area_list.h"
#include "engine/variants.h"
#include "engine/work_lists.h"

namespace trimora {

// The rectangle of placed copies that a new block must not overlap: a block of nx x ny copies
// whose first copy is record `first` of the layout, or a single copy.
struct Obstacle {
  float XS = 0;
  float YS = 0;
  float XE = 0;
  float YE = 0;
  size_t first = 0;
  int16_t nx = 1;
  int16_t ny = 1;
};

// The obstacles of a layout column by column, so that a scan over all of them is a plain pass
// the compiler vectorises.
class ObstacleTable {
 public:
  std::vector<float> XS;
  std::vector<float> YS;
  std::vector<float> XE;
  std::vector<float> YE;

  size_t size() const { return XS.size(); }
  Obstacle operator[](size_t i) const {
    return {XS[i], YS[i], XE[i], YE[i], first_[i], nx_[i], ny_[i]};
  }
  void push_back(const Obstacle& o);
  void clear();

 private:
  std::vector<size_t> first_;
  std::vector<int16_t> nx_;
  std::vector<int16_t> ny_;
};

class CandidateLayout {
 public:
  // The layout's records; element 0 holds no area. Change them only through the functions
  // below, which keep the indexes in step.
  AreaList areas;

  // Starts the layout on roll r with the six records of BuildRollAreaList; the usable area
  // is the one free area.
  void Start(const WorkRolls& rolls, int16_t r);

  // A layout given as records, as in the tests: every placed piece of the last record's
  // layout is an obstacle of its own and every free area is open. (A layout grown by the run
  // holds no record of another layout.)
  static CandidateLayout FromRecords(AreaList records);

  // The free area to fill next, or 0: for Across growth the smallest YS, then XS; for Along
  // growth the smallest XS, then YS; on a full tie the earlier record.
  int16_t PickFreeArea(Growth growth) const;

  // No remaining cut fits free area k: it becomes a dead area.
  void MarkDead(int16_t k);

  // Free area k receives a block: it becomes a spent area.
  void MarkSpent(int16_t k);

  // Appends a free area, or a spent one when it has no positive width or height, left by the
  // block committed last.
  void AppendFreeArea(int16_t roll, float xs, float ys, float xe, float ye);

  // The obstacle left by the block whose commit made free area k, which often touches it:
  // a free area right of a block starts at its right edge, one below at its bottom edge.
  // Nothing for an area not made by a commit.
  std::optional<Obstacle> ParentBlock(int16_t k) const {
    if (size_t(k) >= parent_.size() || parent_[size_t(k)] < 0) return std::nullopt;
    return obstacles_[size_t(parent_[size_t(k)])];
  }

  // The nx x ny copies appended last (from index first on, row by row) become obstacles, and
  // their area joins the layout's piece area. In a run of ordinary sizes copies have positive
  // extents and tile their block's rectangle exactly, edge on edge, so the block stands for
  // all of them; otherwise each copy stands for itself.
  void BlockAppended(size_t first, int16_t nx, int16_t ny, bool ordinarySizes);

  // The layout is grown: dead areas become free areas again (ReviveDeadAreas), and every
  // record reaching the roll's end is cut back to the lowest edge of the lowest piece
  // (TrimToUsedLength).
  void Finish();

  // The roll outline's record (0 when there is none), and the area of the placed pieces
  // summed in record order, as the layout's yield takes them.
  const AreaRecord* Outline() const { return outline_ ? &areas[size_t(outline_)] : nullptr; }
  float PieceArea() const { return pieceArea_; }

  // Every obstacle of the layout, and the indices of its margin strips.
  const ObstacleTable& Obstacles() const { return obstacles_; }
  const std::vector<int16_t>& MarginStrips() const { return margins_; }

  // The obstacles a block with its corner at (XS, YS) of the free area can overlap, given that
  // its copies have positive extents and that it fits the area: those reaching past the
  // corner and starting before the far edges. The far edges are taken slightly beyond the
  // area, as a block's edges are sums rounded to single precision and may pass them by a few
  // units in the last place.
  void ObstaclesNear(const AreaRecord& area, std::vector<Obstacle>& near);

 private:
  ObstacleTable obstacles_;
  std::vector<uint32_t> reaches_;  // scratch of ObstaclesNear
  std::vector<int16_t> margins_;
  std::vector<int16_t> open_;
  std::vector<int16_t> dead_;
  std::vector<int32_t> parent_;  // by record index: ParentBlock, or -1
  int16_t outline_ = 0;
  float pieceArea_ = 0;  // indices of the free areas, in list order
};

}  // namespace trimora
