#include "engine/trial_search.h"

#include "engine/area_list.h"
#include "engine/layout_bookkeeping.h"
#include "engine/optimization_run.h"
#include "engine/place_cut_block.h"
#include "engine/random.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace trimora {

namespace {

// From the 17th trial on, cut-pieces are drawn at random after a layout's first block.
constexpr int32_t kFirstRandomCutTrial = 17;
constexpr int16_t kVariants = 8;
constexpr size_t kUsableArea = 6;  // the free area BuildRollAreaList starts a layout with

// What a run's trials share: the ordered lists they start from and the run's parameters.
struct SearchSetup {
  const WorkRolls& rolls;
  const WorkCuts& cuts;
  float bladeReach;
  int32_t trialCount;
};

// What trying one cut on the current free area comes to. A failed placement changes nothing,
// so this is worked out once per free area and holds until a block is placed.
enum class Attempt : uint8_t {
  kNoQuantity,      // nothing left to place: the cut is passed over
  kCannotFit,       // too large for the area in both orientations: bound to fail
  kCannotFitDraws,  // the same, but the call would first draw the orientation of a free cut
  kPlace,           // PlaceCutBlock decides
};

// Working memory of one runner. Every candidate, step and trial refills these buffers in
// place, so the search allocates only while a buffer still grows to its largest size.
struct TrialState {
  int32_t trial = 0;
  WorkRolls rolls;
  WorkCuts cuts;
  AreaList candidate;
  WorkCuts candidateCuts;
  BestCandidate best;
  Solution solution;
  std::vector<Attempt> attempts;  // per cut, for the free area being filled
  PlacementMemo failedBlocks;     // for the free area being filled
};

template <typename List>
bool NoneLeft(const List& list) {
  for (size_t i = 1; i < list.size(); ++i) {
    if (list[i].QTY > 0) return false;
  }
  return true;
}

int16_t CutCount(const TrialState& t) { return int16_t(t.cuts.size() - 1); }

bool FillsRowsFirst(int16_t variant) {
  return variant == 1 || variant == 2 || variant == 5 || variant == 6;
}

// Variants 1, 2, 5, 6 need the blade to reach across the usable width, variants 3, 4, 7, 8
// along the usable length; equal is enough.
bool VariantSkipped(const AreaRecord& usable, int16_t variant, float bladeReach) {
  if (FillsRowsFirst(variant)) return usable.XE - usable.XS > bladeReach;
  return usable.YE - usable.YS > bladeReach;
}

// True when the cut fits the free area and the blade reach in neither orientation, so that
// PlaceCutBlock is bound to fail. Only positive sizes are judged: a quotient of two negative
// sizes could still count as a fit there.
bool CannotFit(const WorkCut& cut, const AreaRecord& area, float bladeReach) {
  if (!(cut.WIDTH > 0 && cut.LENGTH > 0)) return false;
  const float width = area.XE - area.XS;
  const float height = area.YE - area.YS;
  const bool lengthwise = width >= cut.WIDTH && height >= cut.LENGTH && bladeReach >= cut.LENGTH;
  const bool crosswise = width >= cut.LENGTH && height >= cut.WIDTH && bladeReach >= cut.WIDTH;
  return !lengthwise && !crosswise;
}

// Most attempts in a grown layout are of cuts too large for a leftover area; such a call is
// skipped, and the one draw it would have made (from trial 17 on, for a cut of either
// orientation) is made in its place, so the run's random sequence stays exactly the same.
void PrepareAttempts(TrialState& t, const SearchSetup& s, int16_t k) {
  const AreaRecord& area = t.candidate[size_t(k)];
  const bool drawsOrientation = t.trial >= kFirstRandomCutTrial;
  t.attempts.resize(t.candidateCuts.size());
  for (size_t c = 1; c < t.candidateCuts.size(); ++c) {
    const WorkCut& cut = t.candidateCuts[c];
    Attempt attempt = Attempt::kPlace;
    if (!(cut.QTY > 0)) {
      attempt = Attempt::kNoQuantity;
    } else if (CannotFit(cut, area, s.bladeReach)) {
      attempt = drawsOrientation && cut.ORN == 0 ? Attempt::kCannotFitDraws : Attempt::kCannotFit;
    }
    t.attempts[c] = attempt;
  }
  t.failedBlocks.Reset(t.candidateCuts.size() - 1);
}

bool TryPlace(TrialState& t, const SearchSetup& s, int16_t c, int16_t k, int16_t variant,
              bool firstPlacement) {
  switch (t.attempts[size_t(c)]) {
    case Attempt::kNoQuantity:
    case Attempt::kCannotFit:
      return false;
    case Attempt::kCannotFitDraws:
      NextRandom();
      return false;
    case Attempt::kPlace:
      break;
  }
  int16_t nx = 0;
  int16_t ny = 0;
  PlaceCutBlock(nx, ny, t.candidateCuts, c, t.candidate, k, t.rolls, variant, t.trial, s.trialCount,
                firstPlacement, s.bladeReach, &t.failedBlocks);
  return nx >= 1 && ny >= 1;
}

// C random draws of a cut for free area k; the first that places a block ends the draws.
bool TryRandomCuts(TrialState& t, const SearchSetup& s, int16_t k, int16_t variant) {
  const int16_t C = CutCount(t);
  for (int16_t attempt = 1; attempt <= C; ++attempt) {
    const int16_t c = RandomInt(1, C);
    if (TryPlace(t, s, c, k, variant, false)) return true;
  }
  return false;
}

bool TryCutsInOrder(TrialState& t, const SearchSetup& s, int16_t k, int16_t variant,
                    bool firstPlacement) {
  const int16_t C = CutCount(t);
  for (int16_t c = 1; c <= C; ++c) {
    if (TryPlace(t, s, c, k, variant, firstPlacement)) return true;
  }
  return false;
}

// Fills the candidate's free areas one after another until none is left; an area that takes
// no remaining cut is marked dead.
void FillCandidate(TrialState& t, const SearchSetup& s, int16_t variant) {
  bool firstPlacement = true;
  for (;;) {
    const int16_t k = PickFreeArea(t.candidate, variant);
    if (k == 0) return;
    PrepareAttempts(t, s, k);
    if (t.trial >= kFirstRandomCutTrial && !firstPlacement && TryRandomCuts(t, s, k, variant)) {
      continue;
    }
    if (TryCutsInOrder(t, s, k, variant, firstPlacement)) {
      firstPlacement = false;
      continue;
    }
    t.candidate[size_t(k)].TYPE = kDeadArea;
  }
}

// Grows a candidate on every roll still available under every variant and keeps the best.
void ChooseStepLayout(TrialState& t, const SearchSetup& s) {
  t.best.Clear();
  const int16_t R = int16_t(t.rolls.size() - 1);
  for (int16_t r = 1; r <= R; ++r) {
    if (!(t.rolls[size_t(r)].QTY > 0)) continue;
    for (int16_t variant = 1; variant <= kVariants; ++variant) {
      BuildRollAreaList(t.rolls, r, t.candidate);
      if (VariantSkipped(t.candidate[kUsableArea], variant, s.bladeReach)) continue;
      t.candidateCuts.assign(t.cuts.begin(), t.cuts.end());
      FillCandidate(t, s, variant);
      ReviveDeadAreas(t.candidate);
      TrimToUsedLength(t.candidate);
      ChooseBetterCandidate(t.candidate, t.candidateCuts, r, t.best);
    }
  }
}

// How often the step's best layout is cut; 0 when it holds no piece, or when every variant
// of every roll was skipped and the step has no candidate at all.
float StepRepeatCount(const TrialState& t) {
  if (!t.best.present) return 0;
  return RepeatCount(t.rolls[size_t(t.best.roll)].QTY, t.cuts, t.best.remainingCuts);
}

TrialEnd RunTrial(TrialState& t, const SearchSetup& s, float abandonLimit, RunControl& events,
                  std::vector<float>& stockAfterLayout) {
  SeedRandom(t.trial);
  t.rolls.assign(s.rolls.begin(), s.rolls.end());
  t.cuts.assign(s.cuts.begin(), s.cuts.end());
  t.solution.Clear();
  stockAfterLayout.clear();
  int16_t layoutNumber = 0;
  RandomizeRollLengths(t.rolls, t.cuts);

  while (!NoneLeft(t.rolls) && !NoneLeft(t.cuts)) {
    events.ProcessPendingEvents();
    ChooseStepLayout(t, s);
    const float count = StepRepeatCount(t);
    if (count == 0) break;
    layoutNumber = int16_t(layoutNumber + 1);
    DropSpentAreas(t.best.layout);
    ApplyLayout(count, t.best.roll, t.rolls, t.cuts, t.best.remainingCuts, t.best.layout,
                layoutNumber);
    AppendLayout(t.best.layout, t.solution);
    stockAfterLayout.push_back(t.solution.stockArea);
    if (ExceedsBestStock(t.solution.stockArea, abandonLimit)) return TrialEnd::kAbandoned;
  }
  return NoneLeft(t.cuts) ? TrialEnd::kComplete : TrialEnd::kIncomplete;
}

}  // namespace

struct TrialRunner::State {
  SearchSetup setup;
  TrialState trial;
};

TrialRunner::TrialRunner(const WorkRolls& rolls, const WorkCuts& cuts, float bladeReach,
                         int32_t trialCount)
    : state_(std::make_unique<State>(State{SearchSetup{rolls, cuts, bladeReach, trialCount}, {}})) {}

TrialRunner::~TrialRunner() = default;

void TrialRunner::Run(int32_t trial, float abandonLimit, RunControl& events,
                      TrialOutcome& outcome) {
  TrialState& t = state_->trial;
  t.trial = trial;
  // The outcome's buffers become the next trial's working plan, so nothing is reallocated.
  std::swap(t.solution, outcome.solution);
  outcome.end = RunTrial(t, state_->setup, abandonLimit, events, outcome.stockAfterLayout);
  std::swap(t.solution, outcome.solution);
}

}  // namespace trimora
