#include "engine/block_commit.h"

#include <cstddef>

#include "engine/cut_extents.h"

namespace trimora {

namespace {

// Where the commit put the two new free areas; the cut line, if any, follows them.
struct Appended {
  size_t right = 0;  // the free area right of the block
  size_t below = 0;  // the free area below the block
};

void Retire(AreaRecord& a) {
  const float width = a.XE - a.XS;
  const float height = a.YE - a.YS;
  if (!(width > 0 && height > 0)) a.TYPE = kSpentArea;
}

void FillFreeArea(AreaRecord& a, int16_t roll, float xs, float ys, float xe, float ye) {
  a.TYPE = kFreeArea;
  a.roll = roll;
  a.XS = xs;
  a.YS = ys;
  a.XE = xe;
  a.YE = ye;
  Retire(a);
}

// The steps both commits share. The list grows once, by one more record when the caller's
// cut-line rule holds; that record is left for the caller to fill.
Appended CommitBlock(int16_t nx, int16_t ny, int16_t cutIndex, int16_t orientation,
                     WorkCuts& cuts, const AreaRecord& r, int16_t areaIndex, AreaList& areas,
                     bool withCutLine) {
  const int copies = int(nx) * int(ny);
  WorkCut& cut = cuts[size_t(cutIndex)];
  cut.QTY = cut.QTY - float(copies);
  areas[size_t(areaIndex)].TYPE = kSpentArea;
  const CutExtents e = ExtentsOf(cut, orientation);

  // Appended records start at their defaults: layout 0, repeat 0, orientation 0.
  const size_t last = areas.size() - 1;
  areas.resize(last + size_t(copies) + (withCutLine ? 4 : 3));
  size_t k = last + 1;
  for (int16_t j = 1; j <= ny; ++j) {
    const float ys = r.YS + float(j - 1) * e.dy;
    const float ye = r.YS + float(j) * e.dy;
    for (int16_t i = 1; i <= nx; ++i) {
      AreaRecord& piece = areas[k++];
      piece.TYPE = cutIndex;
      piece.roll = r.roll;
      piece.orientation = orientation;
      piece.XS = r.XS + float(i - 1) * e.dx;
      piece.YS = ys;
      piece.XE = r.XS + float(i) * e.dx;
      piece.YE = ye;
    }
  }
  FillFreeArea(areas[k], r.roll, r.XS + float(nx) * e.dx, r.YS, r.XE, r.YE);
  FillFreeArea(areas[k + 1], r.roll, r.XS, r.YS + float(ny) * e.dy, r.XE, r.YE);
  return {k, k + 1};
}

void FillCutLine(AreaRecord& line, int16_t roll, float xs, float ys, float xe, float ye) {
  line.TYPE = kCutLine;
  line.roll = roll;
  line.XS = xs;
  line.YS = ys;
  line.XE = xe;
  line.YE = ye;
}

}  // namespace

void RetireDegenerateArea(AreaList& areas, int16_t k) { Retire(areas[size_t(k)]); }

void CommitBlockWidthLine(int16_t nx, int16_t ny, int16_t cutIndex, int16_t orientation,
                          WorkCuts& cuts, int16_t areaIndex, AreaList& areas,
                          const WorkRolls& rolls) {
  const AreaRecord r = areas[size_t(areaIndex)];
  const WorkRoll& roll = rolls[size_t(r.roll)];
  const float usableRight = roll.WIDTH - roll.MR;
  const bool spansWidth = usableRight == r.XE && r.XS == roll.ML;
  const Appended added =
      CommitBlock(nx, ny, cutIndex, orientation, cuts, r, areaIndex, areas, spansWidth);
  if (spansWidth) {
    const AreaRecord below = areas[added.below];
    FillCutLine(areas[added.below + 1], r.roll, r.XS - roll.ML, below.YS, below.XE + roll.MR,
                below.YS);
  }
}

void CommitBlockLengthLine(int16_t nx, int16_t ny, int16_t cutIndex, int16_t orientation,
                           WorkCuts& cuts, int16_t areaIndex, AreaList& areas,
                           const WorkRolls& rolls) {
  const AreaRecord r = areas[size_t(areaIndex)];
  const WorkRoll& roll = rolls[size_t(r.roll)];
  const float usableBottom = roll.LENGTH - roll.MB;
  const bool spansLength = usableBottom == r.YE && r.YS == roll.MT;
  const Appended added =
      CommitBlock(nx, ny, cutIndex, orientation, cuts, r, areaIndex, areas, spansLength);
  if (spansLength) {
    const AreaRecord right = areas[added.right];
    FillCutLine(areas[added.below + 1], r.roll, right.XS, r.YS - roll.MT, right.XS,
                right.YE + roll.MB);
  }
}

}  // namespace trimora
