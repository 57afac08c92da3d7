#include "engine/place_cut_block.h"

#include <cmath>
#include <cstddef>

#include "engine/block_commit.h"
#include "engine/clearance.h"
#include "engine/cut_extents.h"
#include "engine/random.h"
#include "engine/snapping.h"

namespace trimora {

namespace {

// Counts are 16-bit, and so is every index of the area list a block is appended to.
constexpr int kMaxCount = 32767;

enum class CommitRule {
  kWidthLineAtLeftMargin,  // width-line when the area starts at M(L), else length-line
  kLengthLineAtTopMargin,  // length-line when the area starts at M(T), else width-line
  kWidthLine,
  kLengthLine,
};

using ClearanceFn = void (*)(int16_t&, int16_t&, int16_t, int16_t, int16_t, const AreaList&,
                             const WorkCuts&);

// The eight ways of growing a layout from the same roll. Odd variants prefer lengthwise
// blocks, even ones crosswise. Variants 1, 2, 5, 6 build column by column: ny gives way
// first to the quantity and the count limit, random first blocks vary ny up to 55% of the
// trials, clearance is column-first and snapping goes along X first. Variants 3, 4, 7, 8 do
// the same row by row.
struct VariantRule {
  int16_t firstOrientation;
  bool nyFirst;
  ClearanceFn clear;
  SnapOrder snap;
  CommitRule commit;
};

constexpr VariantRule kVariants[8] = {
    {kLengthwise, true, ClearBlockColumnFirst, SnapOrder::kXThenY,
     CommitRule::kWidthLineAtLeftMargin},
    {kCrosswise, true, ClearBlockColumnFirst, SnapOrder::kXThenY,
     CommitRule::kWidthLineAtLeftMargin},
    {kLengthwise, false, ClearBlockRowFirst, SnapOrder::kYThenX,
     CommitRule::kLengthLineAtTopMargin},
    {kCrosswise, false, ClearBlockRowFirst, SnapOrder::kYThenX,
     CommitRule::kLengthLineAtTopMargin},
    {kLengthwise, true, ClearBlockColumnFirst, SnapOrder::kXThenY, CommitRule::kWidthLine},
    {kCrosswise, true, ClearBlockColumnFirst, SnapOrder::kXThenY, CommitRule::kWidthLine},
    {kLengthwise, false, ClearBlockRowFirst, SnapOrder::kYThenX, CommitRule::kLengthLine},
    {kCrosswise, false, ClearBlockRowFirst, SnapOrder::kYThenX, CommitRule::kLengthLine},
};

struct Block {
  int16_t nx = 0;
  int16_t ny = 0;
  bool Fits() const { return nx >= 1 && ny >= 1; }
};

// A quotient's integer part as a count. Quotients beyond the 16-bit range are capped;
// anything below 1, infinities of the wrong sign and NaN included, simply does not fit. The
// conversion truncates, which for quotients of at least 1 is the floor.
int16_t CountOf(double quotient) {
  if (!(quotient >= 1)) return 0;
  return quotient >= kMaxCount ? int16_t(kMaxCount) : int16_t(quotient);
}

// The largest block of the orientation that fits the free area (width, height) and the blade
// reach: nx = floor(width / dx), ny = MinSingle(floor(height / dy), floor(bladeReach / dy)).
// Taking the smaller of the unfloored quotients by MinSingle's rule gives the same count
// (flooring never reverses an order, and NaN is passed over the same way). When the copies
// would outnumber what an index can address, the variant's first axis gives way.
Block SizeFor(int16_t orientation, const WorkCut& cut, float width, float height,
              float bladeReach, bool nyFirst) {
  const CutExtents e = ExtentsOf(cut, orientation);
  Block b;
  b.nx = CountOf(double(width) / double(e.dx));
  if (b.nx < 1) return b;
  const double rows = double(height) / double(e.dy);
  const double reach = double(bladeReach) / double(e.dy);
  b.ny = CountOf(rows <= reach ? rows : reach);
  if (int(b.nx) * int(b.ny) > kMaxCount) {
    if (nyFirst) {
      b.ny = int16_t(kMaxCount / b.nx);
    } else {
      b.nx = int16_t(kMaxCount / b.ny);
    }
  }
  return b;
}

bool Allows(float orn, int16_t orientation) { return orn == 0 || orn == float(orientation); }

// Step 1: orientation and raw size. From trial 17 on a free cut draws its orientation and
// gets no second chance; before that the variant's preferred orientation is tried first.
bool ChooseOrientation(Block& b, int16_t& orientation, const WorkCut& cut, float width,
                       float height, float bladeReach, const VariantRule& rule, int32_t trial) {
  if (trial >= 17) {
    if (cut.ORN == 0) {
      orientation = RandomInt(1, 2);
    } else if (cut.ORN == 1) {
      orientation = kLengthwise;
    } else if (cut.ORN == 2) {
      orientation = kCrosswise;
    } else {
      return false;
    }
    b = SizeFor(orientation, cut, width, height, bladeReach, rule.nyFirst);
    return b.Fits();
  }
  const int16_t first = rule.firstOrientation;
  const int16_t second = first == kLengthwise ? kCrosswise : kLengthwise;
  for (const int16_t o : {first, second}) {
    if (!Allows(cut.ORN, o)) continue;
    b = SizeFor(o, cut, width, height, bladeReach, rule.nyFirst);
    if (b.Fits()) {
      orientation = o;
      return true;
    }
  }
  return false;
}

// Lowers count one at a time while the block holds more than qty copies, never below 1. The
// product grows with count, so the count where that stops is found by bisection.
int16_t TrimToQuantity(int16_t count, int16_t other, float qty) {
  const auto tooMany = [&](int c) { return qty < float(c * int(other)); };
  if (!tooMany(count)) return count;
  if (tooMany(1)) return 1;
  int fits = 1;
  int over = count;
  while (over - fits > 1) {
    const int mid = fits + (over - fits) / 2;
    if (tooMany(mid)) {
      over = mid;
    } else {
      fits = mid;
    }
  }
  return int16_t(fits);
}

// Step 3: the first block of a layout varies from trial to trial; trial 1 keeps the largest.
void RandomizeFirstBlock(Block& b, int32_t trial, int32_t trialCount, bool nyFirst) {
  if (trial <= 1) return;
  if (trial <= 16) {
    b.ny = RandomInt(1, b.ny);
    b.nx = RandomInt(1, b.nx);
    return;
  }
  const double s = std::nearbyint(double(trialCount) * 0.55);
  const bool early = double(trial) <= s;
  if (early == nyFirst) {
    b.ny = RandomInt(1, b.ny);
  } else {
    b.nx = RandomInt(1, b.nx);
  }
}

bool WidthLineCommit(CommitRule rule, const AreaRecord& area, const WorkRoll& roll) {
  switch (rule) {
    case CommitRule::kWidthLineAtLeftMargin:
      return area.XS == roll.ML;
    case CommitRule::kLengthLineAtTopMargin:
      return !(area.YS == roll.MT);
    case CommitRule::kWidthLine:
      return true;
    case CommitRule::kLengthLine:
      return false;
  }
  return false;
}

bool ValidCall(const WorkCuts& cuts, int16_t cutIndex, const AreaList& areas,
               int16_t areaIndex, const WorkRolls& rolls, int16_t variant) {
  if (variant < 1 || variant > 8) return false;
  if (cutIndex < 1 || size_t(cutIndex) >= cuts.size()) return false;
  if (areaIndex < 1 || size_t(areaIndex) >= areas.size()) return false;
  const int16_t roll = areas[size_t(areaIndex)].roll;
  return roll >= 1 && size_t(roll) < rolls.size();
}

}  // namespace

void PlaceCutBlock(int16_t& nx, int16_t& ny, WorkCuts& cuts, int16_t cutIndex, AreaList& areas,
                   int16_t areaIndex, const WorkRolls& rolls, int16_t variant, int32_t trial,
                   int32_t trialCount, bool firstPlacement, float bladeReach) {
  PlaceCutBlock(nx, ny, cuts, cutIndex, areas, areaIndex, rolls, variant, trial, trialCount,
                firstPlacement, bladeReach, nullptr);
}

void PlaceCutBlock(int16_t& nx, int16_t& ny, WorkCuts& cuts, int16_t cutIndex, AreaList& areas,
                   int16_t areaIndex, const WorkRolls& rolls, int16_t variant, int32_t trial,
                   int32_t trialCount, bool firstPlacement, float bladeReach,
                   PlacementMemo* memo) {
  nx = 0;
  ny = 0;
  if (!ValidCall(cuts, cutIndex, areas, areaIndex, rolls, variant)) return;
  const VariantRule& rule = kVariants[variant - 1];
  const WorkCut& cut = cuts[size_t(cutIndex)];
  const AreaRecord& area = areas[size_t(areaIndex)];
  const float width = area.XE - area.XS;
  const float height = area.YE - area.YS;

  Block b;
  int16_t orientation = kNoOrientation;
  const bool fits =
      ChooseOrientation(b, orientation, cut, width, height, bladeReach, rule, trial);
  nx = b.nx;
  ny = b.ny;
  if (!fits) return;
  if (memo && firstPlacement) memo = nullptr;  // a first block also depends on its draws
  if (memo && memo->Failed(cutIndex, orientation)) {
    nx = 0;
    return;
  }

  if (rule.nyFirst) {
    b.ny = TrimToQuantity(b.ny, b.nx, cut.QTY);
    b.nx = TrimToQuantity(b.nx, b.ny, cut.QTY);
  } else {
    b.nx = TrimToQuantity(b.nx, b.ny, cut.QTY);
    b.ny = TrimToQuantity(b.ny, b.nx, cut.QTY);
  }
  if (firstPlacement) RandomizeFirstBlock(b, trial, trialCount, rule.nyFirst);

  rule.clear(b.nx, b.ny, orientation, cutIndex, areaIndex, areas, cuts);
  nx = b.nx;
  ny = b.ny;
  // Every record of the grown list must stay addressable by a 16-bit index.
  const int lastIndex = int(areas.size()) - 1;
  if (b.Fits() && lastIndex + int(b.nx) * int(b.ny) + 3 > kMaxCount) {
    nx = 0;
    ny = 0;
  }
  if (!(nx >= 1 && ny >= 1)) {
    if (memo) memo->MarkFailed(cutIndex, orientation);
    return;
  }

  SnapFreeArea(areas, areaIndex, rule.snap);
  const WorkRoll& roll = rolls[size_t(area.roll)];
  if (WidthLineCommit(rule.commit, area, roll)) {
    CommitBlockWidthLine(b.nx, b.ny, cutIndex, orientation, cuts, areaIndex, areas, rolls);
  } else {
    CommitBlockLengthLine(b.nx, b.ny, cutIndex, orientation, cuts, areaIndex, areas, rolls);
  }
}

}  // namespace trimora
