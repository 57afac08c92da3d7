#include "engine/free_area_attempts.h"

#include "engine/clearance.h"

namespace trimora {

using attempt::Fit;
using attempt::kBothFits;
using attempt::kBothOpen;
using attempt::kDrawsOrientation;
using attempt::Open;

namespace {

// Counts are 16-bit, and so is every index of the area list a block is appended to.
constexpr int kMaxCount = 32767;

// From the 17th trial on, a cut free to turn draws its orientation.
constexpr int32_t kFirstDrawingTrial = 17;

// A quotient's integer part as a count. Quotients beyond the 16-bit range are capped;
// anything below 1, infinities of the wrong sign and NaN included, simply does not fit. The
// conversion truncates, which for quotients of at least 1 is the floor.
int16_t CountOf(double quotient) {
  if (!(quotient >= 1)) return 0;
  return quotient >= kMaxCount ? int16_t(kMaxCount) : int16_t(quotient);
}

}  // namespace

// Taking the smaller of the unfloored quotients by MinSingle's rule gives the same count as
// flooring both (flooring never reverses an order, and NaN is passed over the same way). When
// the copies would outnumber what an index can address, the count the variant gives up first
// gives way.
RawBlock SizeBlock(const WorkCut& cut, Orientation orientation, const AreaRecord& area,
                   float bladeReach, Growth growth) {
  const CutExtents e = ExtentsOf(cut, orientation);
  const float width = area.XE - area.XS;
  const float height = area.YE - area.YS;
  RawBlock b;
  b.nx = CountOf(double(width) / double(e.dx));
  if (b.nx < 1) return b;
  const double rows = double(height) / double(e.dy);
  const double reach = double(bladeReach) / double(e.dy);
  b.ny = CountOf(rows <= reach ? rows : reach);
  if (int(b.nx) * int(b.ny) > kMaxCount) {
    if (growth == Growth::kAcross) {
      b.ny = int16_t(kMaxCount / b.nx);
    } else {
      b.nx = int16_t(kMaxCount / b.ny);
    }
  }
  return b;
}

FreeAreaAttempts::FreeAreaAttempts(const WorkCuts& cuts)
    : length_(cuts.size()),
      width_(cuts.size()),
      turning_(cuts.size()),
      choosable_(cuts.size()),
      left_(cuts.size()),
      status_(cuts.size()),
      blocked_(cuts.size()) {
  for (size_t c = 1; c < cuts.size(); ++c) {
    length_[c] = cuts[c].LENGTH;
    width_[c] = cuts[c].WIDTH;
    turning_[c] = TurningOf(cuts[c].ORN);
    const Turning t = turning_[c];
    choosable_[c] =
        Flags((t == Turning::kEither || t == Turning::kLengthwiseOnly ? Open(kLengthwise) : 0) |
              (t == Turning::kEither || t == Turning::kCrosswiseOnly ? Open(kCrosswise) : 0));
  }
}

FreeAreaAttempts::Turning FreeAreaAttempts::TurningOf(float orn) {
  if (orn == 0) return Turning::kEither;
  if (orn == 1) return Turning::kLengthwiseOnly;
  if (orn == 2) return Turning::kCrosswiseOnly;
  return Turning::kNever;
}

void FreeAreaAttempts::StartCandidate(const LayoutContext& ctx) {
  orientationDraws_ = 0;
  for (size_t c = 1; c < left_.size(); ++c) {
    left_[c] = 0;
    CutPlaced(ctx, int16_t(c));
  }
}

void FreeAreaAttempts::CutPlaced(const LayoutContext& ctx, int16_t cut) {
  const size_t c = size_t(cut);
  const bool left = ctx.cuts[c].QTY > 0;
  const bool draws = left && ctx.trial >= kFirstDrawingTrial && turning_[c] == Turning::kEither;
  orientationDraws_ = orientationDraws_ - (left_[c] & kDrawsOrientation) + draws;
  left_[c] = left ? Flags((draws ? kDrawsOrientation : 0) | kBothFits) : Flags(0);
}

// For positive sizes of ordinary magnitude a quotient is at least 1 exactly when the dividend
// is at least the divisor, so fitting needs no division: lengthwise a copy is WIDTH across and
// LENGTH along the roll, crosswise the other way round. Cuts without copies left fit nowhere.
// Returns whether any cut fits.
bool FreeAreaAttempts::FindFits(const LayoutContext& ctx, const AreaRecord& area) {
  const size_t n = status_.size();
  Flags any = 0;
  if (!ctx.ordinarySizes) {
    for (size_t c = 1; c < n; ++c) {
      const WorkCut& cut = ctx.cuts[c];
      const Growth g = ctx.variant.growth;
      const bool lengthwise = SizeBlock(cut, kLengthwise, area, ctx.bladeReach, g).Fits();
      const bool crosswise = SizeBlock(cut, kCrosswise, area, ctx.bladeReach, g).Fits();
      status_[c] = Flags(kDrawsOrientation | (lengthwise ? Fit(kLengthwise) : 0) |
                         (crosswise ? Fit(kCrosswise) : 0)) &
                   left_[c];
      any |= status_[c] & kBothFits;
    }
    return any != 0;
  }
  const float w = area.XE - area.XS;
  const float h = area.YE - area.YS;
  const float reach = ctx.bladeReach;
  const float* length = length_.data();
  const float* width = width_.data();
  const Flags* left = left_.data();
  Flags* status = status_.data();
  for (size_t c = 1; c < n; ++c) {
    const bool lengthwise = (w >= width[c]) & (h >= length[c]) & (reach >= length[c]);
    const bool crosswise = (w >= length[c]) & (h >= width[c]) & (reach >= width[c]);
    status[c] = Flags(kDrawsOrientation | (lengthwise << 1) | (crosswise << 2)) & left[c];
    any |= status[c];
  }
  return (any & kBothFits) != 0;
}

// The orientation a cut that draws none is tried in: the one its ORN fixes from trial 17 on,
// before that the variant's first that ORN allows and that fits. kNoOrientation when none.
Orientation FreeAreaAttempts::FixedChoice(const LayoutContext& ctx, size_t c) const {
  const Turning turning = turning_[c];
  const auto fits = [&](Orientation o) { return (status_[c] & Fit(o)) != 0; };
  const auto allows = [&](Orientation o) {
    return turning == Turning::kEither ||
           turning == (o == kLengthwise ? Turning::kLengthwiseOnly : Turning::kCrosswiseOnly);
  };
  if (ctx.trial >= kFirstDrawingTrial) {
    if (turning == Turning::kLengthwiseOnly && fits(kLengthwise)) return kLengthwise;
    if (turning == Turning::kCrosswiseOnly && fits(kCrosswise)) return kCrosswise;
    return kNoOrientation;
  }
  const Orientation first = ctx.variant.firstOrientation;
  const Orientation second = first == kLengthwise ? kCrosswise : kLengthwise;
  if (allows(first) && fits(first)) return first;
  if (allows(second) && fits(second)) return second;
  return kNoOrientation;
}

// The obstacles near the area, and for every cut whether its corner copy overlaps one: the
// corner copy (XS, YS)-(XS + dx, YS + dy) overlaps an obstacle reaching past the corner
// exactly when its far edges pass the obstacle's near ones. Then which attempts are open: a
// fitting orientation step 1 may choose whose corner is clear.
void FreeAreaAttempts::FindOpenAttempts(const LayoutContext& ctx, const AreaRecord& area) {
  const size_t n = status_.size();
  std::fill(blocked_.begin(), blocked_.end(), Flags(0));
  if (ctx.ordinarySizes) {
    ctx.layout.ObstaclesNear(area, near_);
    const float* length = length_.data();
    const float* width = width_.data();
    Flags* blocked = blocked_.data();
    for (const Obstacle& b : near_) {
      for (size_t c = 1; c < n; ++c) {
        const bool lengthwise = (area.XS + width[c] > b.XS) & (area.YS + length[c] > b.YS);
        const bool crosswise = (area.XS + length[c] > b.XS) & (area.YS + width[c] > b.YS);
        blocked[c] |= Flags((lengthwise << 1) | (crosswise << 2));
      }
    }
  } else {
    const ObstacleTable& all = ctx.layout.Obstacles();  // and nothing is taken as blocked
    near_.clear();
    for (size_t i = 0; i < all.size(); ++i) near_.push_back(all[i]);
  }

  // A fit whose corner is clear is an open attempt, if step 1 may choose its orientation.
  Flags any = 0;
  if (ctx.trial >= kFirstDrawingTrial) {
    Flags* status = status_.data();
    const Flags* blocked = blocked_.data();
    const Flags* choosable = choosable_.data();
    for (size_t c = 1; c < n; ++c) {
      const Flags clearFits = status[c] & Flags(~blocked[c]) & kBothFits;
      status[c] |= Flags(clearFits << 2) & choosable[c];
      any |= status[c];
    }
  } else {
    for (size_t c = 1; c < n; ++c) {
      const Orientation o = FixedChoice(ctx, c);
      if (o != kNoOrientation && !(blocked_[c] & Fit(o))) status_[c] |= Open(o);
      any |= status_[c];
    }
  }
  anyOpen_ = (any & kBothOpen) != 0;
}

void FreeAreaAttempts::Prepare(const LayoutContext& ctx, int16_t k) {
  const AreaRecord& area = ctx.layout.areas[size_t(k)];
  anyFits_ = FindFits(ctx, area);
  anyOpen_ = false;
  if (anyFits_) FindOpenAttempts(ctx, area);
}

std::optional<Orientation> FreeAreaAttempts::Attempt(const LayoutContext& ctx, int16_t cut,
                                                     bool firstPlacement) {
  const size_t c = size_t(cut);
  const Flags s = status_[c];
  const Orientation o =
      (s & kDrawsOrientation) ? Orientation(ctx.random.RandomInt(1, 2)) : FixedChoice(ctx, c);
  if (o == kNoOrientation || !(s & Fit(o))) return std::nullopt;
  if (!firstPlacement && !(s & Open(o))) return std::nullopt;
  return o;
}

void FreeAreaAttempts::MakeDrawsOfFailingAttempts(const LayoutContext& ctx, bool randomCuts) const {
  if (randomCuts) DrawFailingAttempts(ctx.random, left_, left_.size() - 1);
  ctx.random.Advance(orientationDraws_);
}

}  // namespace trimora
