#include "engine/trial.h"

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/area_list.h"
#include "engine/candidate_layout.h"
#include "engine/cut_sequence.h"
#include "engine/fill_candidate.h"
#include "engine/final_stock_bound.h"
#include "engine/free_area_attempts.h"
#include "engine/layout_bookkeeping.h"
#include "engine/variants.h"

namespace trimora {

namespace {

constexpr size_t kUsableArea = 6;  // the free area a layout starts with

// Beyond this, sums of a few sizes could leave the single-precision range.
constexpr float kOrdinaryLimit = 1E30f;

// What a run's trials share: the ordered lists they start from and the run's parameters.
struct SearchSetup {
  const WorkRolls& rolls;
  const WorkCuts& cuts;
  float bladeReach;
  int32_t trialCount;
  bool throughCutsOnly;
  bool ordinarySizes;
  FinalStockBound finalStock;
};

bool Ordinary(float value) { return std::fabs(value) <= kOrdinaryLimit; }

bool OrdinarySizes(const WorkRolls& rolls, const WorkCuts& cuts, float bladeReach) {
  for (size_t i = 1; i < cuts.size(); ++i) {
    if (!(cuts[i].LENGTH > 0 && cuts[i].WIDTH > 0)) return false;
    if (!Ordinary(cuts[i].LENGTH) || !Ordinary(cuts[i].WIDTH)) return false;
  }
  for (size_t i = 1; i < rolls.size(); ++i) {
    const WorkRoll& r = rolls[i];
    for (const float v : {r.LENGTH, r.WIDTH, r.ML, r.MT, r.MR, r.MB}) {
      if (!Ordinary(v)) return false;
    }
  }
  return Ordinary(bladeReach);
}

// Working memory of one runner. Every candidate, step and trial refills these buffers in
// place, so the search allocates only while a buffer still grows to its largest size.
struct TrialState {
  explicit TrialState(const WorkCuts& cuts) : attempts(cuts) {}

  int32_t trial = 0;
  TrialRandom random;
  WorkRolls rolls;
  WorkCuts cuts;
  CandidateLayout candidate;
  WorkCuts candidateCuts;
  FreeAreaAttempts attempts;
  BestCandidate best;
  Solution solution;
};

template <typename List>
bool NoneLeft(const List& list) {
  for (size_t i = 1; i < list.size(); ++i) {
    if (list[i].QTY > 0) return false;
  }
  return true;
}

float LargestCutSide(const WorkCuts& cuts) {
  float m = 0;
  for (size_t i = 1; i < cuts.size(); ++i) {
    if (cuts[i].LENGTH > m) m = cuts[i].LENGTH;
    if (cuts[i].WIDTH > m) m = cuts[i].WIDTH;
  }
  return m;
}

// An unlimited roll longer than every cut side is cut to a whole multiple of the longest side.
bool LengthRedrawn(const WorkRoll& roll, float m) {
  return roll.QTY == kUnlimitedQty && roll.LENGTH > m;
}

// Grows a candidate on every roll still available under every variant and keeps the best.
void ChooseStepLayout(TrialState& t, const SearchSetup& s) {
  t.best.Clear();
  const int16_t R = int16_t(t.rolls.size() - 1);
  for (int16_t r = 1; r <= R; ++r) {
    if (!(t.rolls[size_t(r)].QTY > 0)) continue;
    for (const Variant& variant : kVariants) {
      t.candidate.Start(t.rolls, r);
      if (VariantSkipped(t.candidate.areas[kUsableArea], variant, s.bladeReach)) continue;
      t.candidateCuts.assign(t.cuts.begin(), t.cuts.end());
      LayoutContext ctx{t.candidate,  t.candidateCuts, t.rolls[size_t(r)], variant,        t.trial,
                        s.trialCount, s.bladeReach,    t.random,           s.ordinarySizes};
      FillCandidate(ctx, t.attempts);
      t.candidate.Finish();
      // Only the candidates that would be kept are checked. The finished records are those the
      // plan will hold, the outline cut back to its used length.
      ChooseBetterCandidate(t.candidate, t.candidateCuts, r, t.best,
                            s.throughCutsOnly ? SeparableByThroughCuts : nullptr);
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
                  std::vector<double>& leastFinalStock) {
  t.random.Seed(t.trial);
  t.rolls.assign(s.rolls.begin(), s.rolls.end());
  t.cuts.assign(s.cuts.begin(), s.cuts.end());
  t.solution.Clear();
  leastFinalStock.clear();
  int16_t layoutNumber = 0;
  RandomizeRollLengths(t.rolls, t.cuts, t.random);

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
    leastFinalStock.push_back(s.finalStock.AtLeast(t.solution.stockArea, t.cuts));
    if (ExceedsBestStock(leastFinalStock.back(), abandonLimit)) return TrialEnd::kAbandoned;
  }
  return NoneLeft(t.cuts) ? TrialEnd::kComplete : TrialEnd::kIncomplete;
}

}  // namespace

void RandomizeRollLengths(WorkRolls& rolls, const WorkCuts& cuts, TrialRandom& random) {
  const float m = LargestCutSide(cuts);
  for (size_t i = 1; i < rolls.size(); ++i) {
    WorkRoll& roll = rolls[i];
    if (!LengthRedrawn(roll, m)) continue;
    // k = 1 always fits, so the draws end.
    float length = 0;
    do {
      const int k = int(std::floor(random.Next() * 4.0 + 1.0));
      length = float(k) * m;
    } while (!(length <= roll.LENGTH));
    roll.LENGTH = length;
  }
}

std::vector<float> PossibleRollLengths(const WorkRoll& roll, const WorkCuts& cuts) {
  const float m = LargestCutSide(cuts);
  if (!LengthRedrawn(roll, m)) return {roll.LENGTH};
  std::vector<float> lengths;
  for (int k = 1; k <= 4; ++k) {
    if (float(k) * m <= roll.LENGTH) lengths.push_back(float(k) * m);
  }
  return lengths;
}

struct TrialRunner::State {
  SearchSetup setup;
  TrialState trial;
};

TrialRunner::TrialRunner(const WorkRolls& rolls, const WorkCuts& cuts, float bladeReach,
                         int32_t trialCount, bool throughCutsOnly)
    : state_(std::make_unique<State>(
          State{SearchSetup{rolls, cuts, bladeReach, trialCount, throughCutsOnly,
                            OrdinarySizes(rolls, cuts, bladeReach), FinalStockBound(rolls, cuts)},
                TrialState(cuts)})) {}

TrialRunner::~TrialRunner() = default;

void TrialRunner::Run(int32_t trial, float abandonLimit, RunControl& events,
                      TrialOutcome& outcome) {
  TrialState& t = state_->trial;
  t.trial = trial;
  // The outcome's buffers become the next trial's working plan, so nothing is reallocated.
  std::swap(t.solution, outcome.solution);
  outcome.end = RunTrial(t, state_->setup, abandonLimit, events, outcome.leastFinalStock);
  std::swap(t.solution, outcome.solution);
}

}  // namespace trimora
