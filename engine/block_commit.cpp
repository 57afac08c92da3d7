#include "engine/block_commit.h"

namespace trimora {

void CommitBlock(LayoutContext& ctx, const Placement& p, CutLine line) {
  CandidateLayout& layout = ctx.layout;
  WorkCut& cut = ctx.cuts[size_t(p.cut)];
  cut.QTY = cut.QTY - float(int(p.nx) * int(p.ny));
  const AreaRecord r = layout.areas[size_t(p.area)];
  layout.MarkSpent(p.area);
  const CutExtents e = ExtentsOf(cut, p.orientation);

  // Appended records start at their defaults: layout 0, repeat 0, orientation 0.
  const size_t first = layout.areas.size();
  layout.areas.resize(first + size_t(p.nx) * size_t(p.ny));
  size_t k = first;
  for (int16_t j = 1; j <= p.ny; ++j) {
    const float ys = r.YS + float(j - 1) * e.dy;
    const float ye = r.YS + float(j) * e.dy;
    for (int16_t i = 1; i <= p.nx; ++i) {
      AreaRecord& piece = layout.areas[k++];
      piece.TYPE = p.cut;
      piece.roll = r.roll;
      piece.orientation = p.orientation;
      piece.XS = r.XS + float(i - 1) * e.dx;
      piece.YS = ys;
      piece.XE = r.XS + float(i) * e.dx;
      piece.YE = ye;
    }
  }
  layout.BlockAppended(first, p.nx, p.ny, ctx.ordinarySizes);

  const float blockRight = r.XS + float(p.nx) * e.dx;
  const float blockBottom = r.YS + float(p.ny) * e.dy;
  layout.AppendFreeArea(r.roll, blockRight, r.YS, r.XE, r.YE);
  layout.AppendFreeArea(r.roll, r.XS, blockBottom, r.XE, r.YE);

  // The conditions compare exactly, after the difference is rounded to single.
  const WorkRoll& roll = ctx.roll;
  if (line == CutLine::kAcrossWidth) {
    const float usableRight = roll.WIDTH - roll.MR;
    if (usableRight == r.XE && r.XS == roll.ML) {
      layout.areas.push_back(
          MakeArea(kCutLine, r.roll, r.XS - roll.ML, blockBottom, r.XE + roll.MR, blockBottom));
    }
  } else {
    const float usableBottom = roll.LENGTH - roll.MB;
    if (usableBottom == r.YE && r.YS == roll.MT) {
      layout.areas.push_back(
          MakeArea(kCutLine, r.roll, blockRight, r.YS - roll.MT, blockRight, r.YE + roll.MB));
    }
  }
}

}  // namespace trimora
