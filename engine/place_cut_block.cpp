#include "engine/place_cut_block.h"

#include <cmath>

#include "engine/block_commit.h"
#include "engine/clearance.h"
#include "engine/snapping.h"

namespace trimora {

namespace {

// An index of the area list is 16-bit: the grown list must not pass this.
constexpr int kMaxIndex = 32767;

// From the 17th trial on, the first block varies one count only.
constexpr int32_t kFirstOneCountTrial = 17;

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

// Step 2: the count the variant gives up first goes first.
void TrimBlock(Placement& p, float qty, Growth growth) {
  if (growth == Growth::kAcross) {
    p.ny = TrimToQuantity(p.ny, p.nx, qty);
    p.nx = TrimToQuantity(p.nx, p.ny, qty);
  } else {
    p.nx = TrimToQuantity(p.nx, p.ny, qty);
    p.ny = TrimToQuantity(p.ny, p.nx, qty);
  }
}

// Step 3: the first block of a layout varies from trial to trial; trial 1 keeps the largest.
// From trial 17 on one count is drawn: up to S = 55% of the trials the one the variant gives
// up first, after that the other.
void RandomizeFirstBlock(Placement& p, const LayoutContext& ctx) {
  if (ctx.trial <= 1) return;
  if (ctx.trial < kFirstOneCountTrial) {
    p.ny = ctx.random.RandomInt(1, p.ny);
    p.nx = ctx.random.RandomInt(1, p.nx);
    return;
  }
  const double s = std::nearbyint(double(ctx.trialCount) * 0.55);
  const bool early = double(ctx.trial) <= s;
  if (early == (ctx.variant.growth == Growth::kAcross)) {
    p.ny = ctx.random.RandomInt(1, p.ny);
  } else {
    p.nx = ctx.random.RandomInt(1, p.nx);
  }
}

// Step 7's choice of cut line, with M(L) and M(T) of the roll compared exactly.
CutLine CutLineFor(CutLineRule rule, const AreaRecord& area, const WorkRoll& roll) {
  switch (rule) {
    case CutLineRule::kAcrossAtLeftMargin:
      return area.XS == roll.ML ? CutLine::kAcrossWidth : CutLine::kAlongLength;
    case CutLineRule::kAlongAtTopMargin:
      return area.YS == roll.MT ? CutLine::kAlongLength : CutLine::kAcrossWidth;
    case CutLineRule::kAcross:
      return CutLine::kAcrossWidth;
    case CutLineRule::kAlong:
      return CutLine::kAlongLength;
  }
  return CutLine::kAcrossWidth;
}

}  // namespace

std::optional<Placement> PlaceBlock(LayoutContext& ctx, FreeAreaAttempts& attempts, int16_t area,
                                    int16_t cut, Orientation orientation, bool firstPlacement) {
  // 1. (cont.) The raw block size.
  const WorkCut& piece = ctx.cuts[size_t(cut)];
  const AreaRecord& free = ctx.layout.areas[size_t(area)];
  const Growth growth = ctx.variant.growth;
  const RawBlock raw = SizeBlock(piece, orientation, free, ctx.bladeReach, growth);
  Placement p{cut, area, orientation, raw.nx, raw.ny};

  // 2. Trim to the quantity. 3. Vary the first block.
  TrimBlock(p, piece.QTY, growth);
  if (firstPlacement) RandomizeFirstBlock(p, ctx);

  // 4. and 5. Shrink the block clear of the pieces already placed; every record of the grown
  // list must stay addressable by a 16-bit index.
  const CutExtents e = ExtentsOf(piece, p.orientation);
  const bool clear = ClearBlock(p, free, e, growth, attempts.Obstacles());
  const int lastIndex = int(ctx.layout.areas.size()) - 1;
  if (!clear || lastIndex + int(p.nx) * int(p.ny) + 3 > kMaxIndex) {
    attempts.MarkFailed(cut, p.orientation);
    return std::nullopt;
  }

  // 6. Stretch the area toward the origin. 7. Commit at its new corner.
  SnapFreeArea(ctx.layout, area, growth);
  const CutLine line = CutLineFor(ctx.variant.cutLine, ctx.layout.areas[size_t(area)], ctx.roll);
  CommitBlock(ctx, p, line);
  return p;
}

}  // namespace trimora
