#pragma once
// What trying each cut on one free area comes to. A placement that fails changes neither the
// layout nor the cuts, so these answers hold from the moment the area is picked until a block
// is placed in it. Most attempts in a grown layout fail; with the table each of them costs a
// lookup and the random draws the rules make for it, instead of the whole placement procedure.

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/attempt_draws.h"
#include "engine/candidate_layout.h"
#include "engine/layout_context.h"

namespace trimora {

// The largest block of a cut in one orientation that fits a free area and the blade reach:
// nx = floor(width / dx), ny = MinSingle(floor(height / dy), floor(bladeReach / dy)),
// quotients in double precision; counts beyond 32767 are capped (see the .cpp).
struct RawBlock {
  int16_t nx = 0;
  int16_t ny = 0;
  bool Fits() const { return nx >= 1 && ny >= 1; }
};
RawBlock SizeBlock(const WorkCut& cut, Orientation orientation, const AreaRecord& area,
                   float bladeReach, Growth growth);

class FreeAreaAttempts {
 public:
  // For the run's cuts; their sizes and ORN never change during a run.
  explicit FreeAreaAttempts(const WorkCuts& cuts);

  // A new candidate starts from the cuts of ctx; CutPlaced follows every block placed in it.
  void StartCandidate(const LayoutContext& ctx);
  void CutPlaced(const LayoutContext& ctx, int16_t cut);

  // Works the table out for free area k of the candidate.
  void Prepare(const LayoutContext& ctx, int16_t k);

  // Whether any attempt in the area may place a block; with firstPlacement, whether any cut
  // fits it at all (a first block is always worked out, see Attempt).
  bool AnyOpen(bool firstPlacement) const { return firstPlacement ? anyFits_ : anyOpen_; }

  // The draws the attempts make in an area where all of them fail: with randomCuts, those of
  // C random attempts (one for the cut, one more for the orientation of a cut free to turn),
  // then those of one attempt of each cut in order.
  void MakeDrawsOfFailingAttempts(const LayoutContext& ctx, bool randomCuts) const;

  // The random attempts of an area after the layout's first block: makes the draws of one
  // attempt after another, at most `left` of them, until one may place a block.
  std::optional<OpenAttempt> NextRandomOpen(const LayoutContext& ctx, int16_t& left) const {
    return DrawUntilOpen(ctx.random, status_, left);
  }

  // Step 1 of placing a block of the cut (QTY above 0): the orientation it is tried in, drawn
  // when the rules say so, if the attempt may place a block. From trial 17 on a cut free to
  // turn draws its orientation and gets no second chance; before that the variant's first
  // orientation is tried first. An attempt other than the layout's first is passed over when
  // it is certain to fail: it failed in this area before, or its corner copy overlaps an
  // obstacle, which every block clearance may shrink it to still contains. A first block
  // makes the draws of step 3 before its clearance, so it is always worked out.
  std::optional<Orientation> Attempt(const LayoutContext& ctx, int16_t cut, bool firstPlacement);

  // The block failed: the attempt is bound to fail in this area from now on.
  void MarkFailed(int16_t cut, Orientation o) { status_[size_t(cut)] &= ~attempt::Open(o); }

  // The obstacles a block in the area can overlap.
  const std::vector<Obstacle>& Obstacles() const { return near_; }

 private:
  // A cut's status in the area, the bits of attempt::. A word per cut, like the floats of the
  // sizes, so that a whole table is worked out in vector steps.
  using Flags = uint32_t;

  // What a cut's ORN allows, compared exactly with 0, 1 and 2; any other value allows nothing.
  enum class Turning : uint8_t { kEither, kLengthwiseOnly, kCrosswiseOnly, kNever };
  static Turning TurningOf(float orn);

  bool FindFits(const LayoutContext& ctx, const AreaRecord& area);
  void FindOpenAttempts(const LayoutContext& ctx, const AreaRecord& area);
  Orientation FixedChoice(const LayoutContext& ctx, size_t c) const;

  // By cut index. The sizes side by side, so that a whole table is worked out in plain passes.
  std::vector<float> length_;
  std::vector<float> width_;
  std::vector<Turning> turning_;
  std::vector<Flags> choosable_;  // the Open bits step 1 may choose from trial 17 on
  std::vector<Flags> left_;       // kDrawsOrientation as it applies, plus both Fit bits while
                                  // the cut has copies left; 0 once it has none
  size_t orientationDraws_ = 0;   // how many cuts with copies left draw their orientation
  std::vector<Flags> status_;     // for the area being filled
  std::vector<Flags> blocked_;    // corner copy overlaps an obstacle, one Fit bit each way
  bool anyFits_ = false;
  bool anyOpen_ = false;
  std::vector<Obstacle> near_;
};

}  // namespace trimora
