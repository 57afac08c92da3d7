#include "engine/search_effort.h"

#include <algorithm>
#include <numeric>
#include <set>

#include "engine/guillotine_packing.h"
#include "engine/random.h"
#include "engine/trial.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

// Each effort's whole work as a multiple of the standard run's.
double WorkMultiple(SearchEffort effort) {
  switch (effort) {
    case SearchEffort::kStandard:
      return 1;
    case SearchEffort::kThorough:
      return 4;
    case SearchEffort::kExhaustive:
      return 16;
  }
  return 1;
}

// Of the extra work, the share spent on more trials of the whole job; the rest re-plans layouts.
constexpr double kMoreTrialsShare = 0.25;
// Of the re-planning's work, the share spent emptying sheets before improving the best plan.
constexpr double kEmptyingShare = 0.25;
// A re-planning takes at most this many layouts together, and runs at most this many trials
// per cut line it holds.
constexpr size_t kMostReplanned = 5;
constexpr int32_t kReplanTrialsPerCut = 99;
// Once this many choices in a row were tried already on the plan as it stands, there is
// nothing new left to try.
constexpr int32_t kMostRepeatedChoices = 200;
// Seed the choice of layouts to re-plan and the packings' draws, apart from every trial's own
// numbers.
constexpr int32_t kChoiceSeed = 1 << 30;
constexpr int32_t kPackingSeed = 1 << 29;
// How many packings of the copies cost as much as one trial of the engine placing as many
// pieces: about 17 measured, so that the effort's multiple holds in time too.
constexpr double kPackingsPerTrial = 20;
// Packings of more copies than this are left to the engine's own trials.
constexpr size_t kMostCopies = 5000;
// Packings tried per choice of layouts, and how often the engine re-plans a choice instead.
constexpr int kPackingsPerChoice = 20;
constexpr int32_t kEngineReplanEvery = 8;

double PieceCount(const WorkCuts& cuts) {
  double pieces = 0;
  for (size_t i = 1; i < cuts.size(); ++i) pieces += cuts[i].QTY;
  return pieces;
}

// One layout of a plan: its records [begin, end), its roll and repeat count, the area of its
// pieces, its yield, and how full it is: the pieces' area over that of the whole sheet it is
// cut from (a sheet cut back to its used length has a yield above its fill).
struct LayoutSpan {
  size_t begin = 0;
  size_t end = 0;
  int16_t roll = 0;
  float repeat = 0;
  double pieces = 0;
  double yield = 0;
  double fill = 0;
};

std::vector<LayoutSpan> Layouts(const AreaList& records, const WorkRolls& rolls) {
  std::vector<LayoutSpan> layouts;
  for (size_t k = 1; k < records.size(); ++k) {
    if (layouts.empty() || records[k].layout != records[layouts.back().begin].layout) {
      layouts.push_back({k, k, records[k].roll, records[k].repeat, 0, 0, 0});
    }
    layouts.back().end = k + 1;
  }
  for (LayoutSpan& layout : layouts) {
    double stock = 0;
    for (size_t k = layout.begin; k < layout.end; ++k) {
      const AreaRecord& a = records[k];
      const double area = double(a.XE - a.XS) * double(a.YE - a.YS);
      if (a.TYPE == kRollOutline) stock += area;
      if (a.TYPE > 0) layout.pieces += area;
    }
    layout.yield = stock > 0 ? layout.pieces / stock : 0;
    const WorkRoll& roll = rolls[size_t(layout.roll)];
    const double sheet = double(roll.WIDTH) * roll.LENGTH;
    layout.fill = sheet > 0 ? layout.pieces / sheet : 0;
  }
  return layouts;
}

// How much the pieces crowd onto few sheets: the sum of the squares of the layouts' piece
// areas, each sheet cut. Of two plans cutting as many sheets, the more crowded one has the
// emptier sheets, the ones a later re-planning can empty.
double Crowding(const std::vector<LayoutSpan>& layouts) {
  double crowding = 0;
  for (const LayoutSpan& layout : layouts)
    crowding += layout.repeat * layout.pieces * layout.pieces;
  return crowding;
}

// The job of re-planning some layouts: the stock left once the others are cut, and as cut list
// the pieces of the layouts re-planned (only the lines that have some, in the job's order).
struct Replanning {
  WorkRolls rolls;
  WorkCuts cuts{WorkCut{}};
  std::vector<int16_t> jobCut{0};  // the job's cut index of each of cuts
  std::vector<int16_t> ownCut;     // and back; 0 for a line not re-planned
  Solution current;                // the layouts re-planned, in this job's indices
};

Replanning MakeReplanning(const EngineJob& job, const AreaList& records,
                          const std::vector<LayoutSpan>& layouts,
                          const std::vector<bool>& replanned) {
  Replanning r;
  r.rolls = job.rolls;
  std::vector<float> demand(job.cuts.size(), 0);
  for (size_t l = 0; l < layouts.size(); ++l) {
    const LayoutSpan& layout = layouts[l];
    if (!replanned[l]) {
      WorkRoll& roll = r.rolls[size_t(layout.roll)];
      if (roll.QTY != kUnlimitedQty) roll.QTY = roll.QTY - layout.repeat;
      continue;
    }
    for (size_t k = layout.begin; k < layout.end; ++k) {
      if (records[k].TYPE > 0) demand[size_t(records[k].TYPE)] += layout.repeat;
    }
  }
  r.ownCut.assign(job.cuts.size(), 0);
  for (size_t i = 1; i < job.cuts.size(); ++i) {
    if (demand[i] == 0) continue;
    WorkCut cut = job.cuts[i];
    cut.QTY = demand[i];
    r.ownCut[i] = int16_t(r.cuts.size());
    r.cuts.push_back(cut);
    r.jobCut.push_back(int16_t(i));
  }
  int16_t number = 0;
  for (size_t l = 0; l < layouts.size(); ++l) {
    if (!replanned[l]) continue;
    number = int16_t(number + 1);
    for (size_t k = layouts[l].begin; k < layouts[l].end; ++k) {
      AreaRecord a = records[k];
      a.layout = number;
      if (a.TYPE > 0) a.TYPE = r.ownCut[size_t(a.TYPE)];
      r.current.records.push_back(a);
    }
  }
  r.current.stockArea = TotalStockArea(r.current.records);
  return r;
}

// The layouts kept, in their order, followed by the re-planned ones.
Solution Combine(const AreaList& records, const std::vector<LayoutSpan>& layouts,
                 const std::vector<bool>& replanned, const Replanning& r, const Solution& plan) {
  Solution combined;
  int16_t number = 0;
  for (size_t l = 0; l < layouts.size(); ++l) {
    if (replanned[l]) continue;
    number = int16_t(number + 1);
    for (size_t k = layouts[l].begin; k < layouts[l].end; ++k) {
      combined.records.push_back(records[k]);
      combined.records.back().layout = number;
    }
  }
  for (size_t k = 1; k < plan.records.size(); ++k) {
    AreaRecord a = plan.records[k];
    a.layout = int16_t(a.layout + number);
    if (a.TYPE > 0) a.TYPE = r.jobCut[size_t(a.TYPE)];
    combined.records.push_back(a);
  }
  combined.stockArea = TotalStockArea(combined.records);
  return combined;
}

// Which layouts to re-plan in the given attempt: the weakest (least fill, or least yield) with,
// first, the next weakest, and later with others drawn at random, one to kMostReplanned in all.
std::vector<bool> ChooseReplanned(const std::vector<LayoutSpan>& layouts, int32_t attempt,
                                  bool byFill) {
  std::vector<size_t> order(layouts.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return byFill ? layouts[a].fill < layouts[b].fill : layouts[a].yield < layouts[b].yield;
  });
  const size_t most = std::min(layouts.size(), kMostReplanned);
  const size_t count = most <= 1 ? most : 2 + size_t(attempt) % (most - 1);
  std::vector<bool> replanned(layouts.size(), false);
  if (attempt < int32_t(most)) {
    for (size_t i = 0; i < count; ++i) replanned[order[i]] = true;
    return replanned;
  }
  TrialRandom random;
  random.Seed(kChoiceSeed + attempt);
  replanned[order[0]] = true;
  for (size_t chosen = 1; chosen < count;) {
    const size_t pick = order[size_t(random.RandomInt(1, int16_t(order.size() - 1)))];
    if (!replanned[pick]) {
      replanned[pick] = true;
      ++chosen;
    }
  }
  return replanned;
}

// Passes the stop request and the window's events on, and shows a phase's progress as trials
// of the whole job left.
class PhaseControl : public RunControl {
 public:
  PhaseControl(RunControl& control, double piecesPerTrial, double budget)
      : control_(control), piecesPerTrial_(piecesPerTrial), budget_(budget) {}

  void Begin(double pieces) { pieces_ = pieces; }
  void End(int32_t trialsRun) { spent_ += pieces_ * trialsRun; }
  double Spent() const { return spent_; }

  // Work done outside the engine's trials; shown, and the window's events passed on, each time
  // it completes another trial's worth.
  void Add(double work) {
    const int32_t before = int32_t(spent_ / piecesPerTrial_);
    spent_ += work;
    if (int32_t(spent_ / piecesPerTrial_) == before) return;
    pieces_ = 0;
    ShowTrialProgress(0, 0, 0);
    ProcessPendingEvents();
  }
  int16_t improvements = 0;

  void ShowTrialProgress(int32_t, int16_t, int32_t trial) override {
    const double done = std::min(budget_, spent_ + pieces_ * trial) / piecesPerTrial_;
    const int32_t total = int32_t(budget_ / piecesPerTrial_);
    control_.ShowTrialProgress(total - int32_t(done), improvements, int32_t(done));
  }
  bool StopRequested() override { return control_.StopRequested(); }
  void ProcessPendingEvents() override { control_.ProcessPendingEvents(); }

 private:
  RunControl& control_;
  const double piecesPerTrial_;
  const double budget_;
  double pieces_ = 0;
  double spent_ = 0;
};

// The keys the packings sort the copies by, largest first.
enum class SortKey { kArea, kLongerSide, kShorterSide, kPerimeter, kLength, kWidth };
constexpr int kSortKeys = 6;

double KeyOf(const WorkCut& cut, SortKey key) {
  switch (key) {
    case SortKey::kArea:
      return double(cut.LENGTH) * cut.WIDTH;
    case SortKey::kLongerSide:
      return std::max(cut.LENGTH, cut.WIDTH);
    case SortKey::kShorterSide:
      return std::min(cut.LENGTH, cut.WIDTH);
    case SortKey::kPerimeter:
      return double(cut.LENGTH) + cut.WIDTH;
    case SortKey::kLength:
      return cut.LENGTH;
    case SortKey::kWidth:
      return cut.WIDTH;
  }
  return 0;
}

// The copies largest first by the key; with a random source, each key scaled by a random
// factor up to 1 + kOrderNoise first, so that every packing tries another order near it.
constexpr double kOrderNoise = 0.3;
PackingOrder SortedCopies(const PackingOrder& copies, const WorkCuts& cuts, SortKey key,
                          TrialRandom* random) {
  std::vector<std::pair<double, int16_t>> keyed;
  keyed.reserve(copies.size());
  for (const int16_t c : copies) {
    const double noise = random ? 1 + kOrderNoise * random->Next() : 1;
    keyed.emplace_back(KeyOf(cuts[size_t(c)], key) * noise, c);
  }
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  PackingOrder order;
  order.reserve(keyed.size());
  for (const auto& entry : keyed) order.push_back(entry.second);
  return order;
}

// The whole job packed piece by piece under every sort key and fixed rule, and, of the lengths
// an unlimited roll may be cut to, the first rollLengths: each plan (nothing when some copy
// found no stock) is handed to take with the copies it placed, in a fixed order, until take
// returns false.
template <typename Take>
void PackUnderEveryRule(const EngineJob& job, const PackingOrder& copies, int rollLengths,
                        Take take) {
  for (int key = 0; key < kSortKeys; ++key) {
    const PackingOrder order = SortedCopies(copies, job.cuts, SortKey(key), nullptr);
    for (int length = 0; length < rollLengths; ++length) {
      for (int rule = 0; rule < kFitRules * kSplitRules * 2; ++rule) {
        const PackingRules rules{FitRule(rule % kFitRules),
                                 SplitRule(rule / kFitRules % kSplitRules),
                                 rule >= kFitRules * kSplitRules, length};
        if (!take(PackGuillotine(job.rolls, job.cuts, job.bladeReach, order, rules),
                  order.size())) {
          return;
        }
      }
    }
  }
}

// With through-cuts only, a trial ends where no candidate of a step can be cut that way, so a
// job may find no plan at all, most often one whose stock is only just enough. It then takes
// the best under its goal of the whole job's packings, made of through-cuts by their nature,
// on every length a coil may be cut to: a plan whenever some packing finds one, and the same
// plan for any number of threads. A job with too many copies for the packings keeps none.
void PackWhenNoTrialCompleted(const EngineJob& job, SearchOutcome& outcome, RunControl& control) {
  const std::optional<PackingOrder> copies = CopiesOf(job.cuts, kMostCopies);
  if (!copies) return;
  size_t rollLengths = 1;
  for (size_t r = 1; r < job.rolls.size(); ++r) {
    rollLengths = std::max(rollLengths, PossibleRollLengths(job.rolls[r], job.cuts).size());
  }
  const auto take = [&](const std::optional<Solution>& plan, size_t) {
    if (plan) {
      const int16_t before = outcome.improvements;
      CompareSolutions(*plan, outcome.best, job.mode, outcome.improvements);
      if (outcome.improvements != before) {
        const SolutionMeasures measures = SolutionMetrics(outcome.best.records);
        control.ShowBestTotals(outcome.best.stockArea, measures.layouts, measures.yield);
      }
    }
    control.ProcessPendingEvents();
    return !control.StopRequested();
  };
  PackUnderEveryRule(job, *copies, int(rollLengths), take);
}

PackingRules RandomRules(TrialRandom& random) {
  PackingRules rules;
  rules.fit = FitRule(random.RandomInt(0, kFitRules - 1));
  rules.split = SplitRule(random.RandomInt(0, kSplitRules - 1));
  rules.largestStockFirst = random.RandomInt(0, 1) == 1;
  rules.rollLength = random.RandomInt(0, 3);
  return rules;
}

// One round of improving the best plan: it ends once the phase has counted `end` work, numbers
// its more trials from firstTrial and its re-planning attempts from firstAttempt, and leaves in
// both the numbers the next round starts from.
struct Round {
  double end = 0;
  int32_t firstTrial = 0;
  int32_t firstAttempt = 0;
  bool packWholeJob = true;  // the whole job under every fixed packing, which one round does
};

void Improve(const EngineJob& job, SearchOutcome& outcome, RunControl& control, PhaseControl& phase,
             Round& round, int threads) {
  const double pieces = PieceCount(job.cuts);
  const double budget = round.end;
  // A plan the goal prefers replaces the best, unless it cuts more sheets: a plan that saves
  // stock area only by cutting back more sheets is no better at the saw.
  const auto improved = [&](const Solution& plan) {
    if (SheetsCut(plan.records) > SheetsCut(outcome.best.records)) return false;
    const int16_t before = outcome.improvements;
    CompareSolutions(plan, outcome.best, job.mode, outcome.improvements);
    if (outcome.improvements == before) return false;
    phase.improvements = outcome.improvements;
    const SolutionMeasures measures = SolutionMetrics(outcome.best.records);
    control.ShowBestTotals(outcome.best.stockArea, measures.layouts, measures.yield);
    return true;
  };
  // Counts a packing's work, in the pieces times trials the budget counts, and shows it;
  // false once the budget is spent or Stop was clicked.
  const auto packed = [&](size_t copies) {
    phase.Add(double(copies) / kPackingsPerTrial);
    return phase.Spent() < budget && !control.StopRequested();
  };

  // More trials of the whole job, numbered on from the trials before.
  const int32_t moreTrials = int32_t(kMoreTrialsShare * (budget - phase.Spent()) / pieces);
  const int32_t count = round.firstTrial - 1 + moreTrials;
  phase.Begin(pieces);
  const SearchOutcome more =
      SearchBestSolution(job.rolls, job.cuts, job.bladeReach, job.mode, job.throughCutsOnly,
                         {round.firstTrial, count, count}, outcome.best, phase, threads);
  phase.End(more.trialsRun);
  if (more.improvements > 0) improved(more.best);
  round.firstTrial = count + 1;

  // The whole job packed piece by piece under every rule and sort order.
  const std::optional<PackingOrder> copies = CopiesOf(job.cuts, kMostCopies);
  if (copies && round.packWholeJob) {
    PackUnderEveryRule(job, *copies, 1, [&](const std::optional<Solution>& plan, size_t placed) {
      if (plan) improved(*plan);
      return packed(placed);
    });
  }

  // Re-planning a few layouts together, most often by packing their pieces in orders and
  // under rules drawn at random, every kEngineReplanEvery-th time by the engine's own trials.
  // For the first part of the work it empties sheets: it works on a plan of its own, the best,
  // or one that cuts fewer sheets, or as many with the pieces crowded more onto fewer of them,
  // which is how a sheet is emptied step by step. For the rest it works on the best plan, and
  // re-plans the layouts of least yield, which also finds where sheets can be cut back.
  const double emptyingUntil = phase.Spent() + kEmptyingShare * (budget - phase.Spent());
  Solution working = outcome.best;
  bool workingIsBest = true;
  double workingCrowding = Crowding(Layouts(working.records, job.rolls));
  const auto advanced = [&](Solution plan) {
    const double crowding = Crowding(Layouts(plan.records, job.rolls));
    const float sheets = SheetsCut(plan.records);
    const float now = SheetsCut(working.records);
    const bool emptying = phase.Spent() < emptyingUntil;
    const bool better = improved(plan);
    if (!better && !(emptying && (sheets < now || (sheets == now && crowding > workingCrowding)))) {
      return false;
    }
    workingIsBest = better;
    working = std::move(plan);
    workingCrowding = crowding;
    return true;
  };
  // The engine's trials of a choice tried on the working plan as it stands would only repeat
  // themselves.
  std::set<std::vector<bool>> tried;
  int32_t repeats = 0;
  TrialRandom random;
  int32_t attempt = round.firstAttempt;
  for (; phase.Spent() < budget && !control.StopRequested(); ++attempt) {
    const bool emptying = phase.Spent() < emptyingUntil;
    if (!emptying && !workingIsBest) {
      working = outcome.best;
      workingIsBest = true;
      workingCrowding = Crowding(Layouts(working.records, job.rolls));
      tried.clear();
    }
    const std::vector<LayoutSpan> layouts = Layouts(working.records, job.rolls);
    const std::vector<bool> replanned = ChooseReplanned(layouts, attempt, emptying);
    const Replanning r = MakeReplanning(job, working.records, layouts, replanned);
    const std::optional<PackingOrder> own = CopiesOf(r.cuts, kMostCopies);
    if (own && attempt % kEngineReplanEvery != 0) {
      random.Seed(kPackingSeed + attempt);
      const float sheets = SheetsCut(r.current.records);
      for (int i = 0; i < kPackingsPerChoice; ++i) {
        const SortKey key = SortKey(random.RandomInt(0, kSortKeys - 1));
        const PackingRules rules = RandomRules(random);
        const PackingOrder order = SortedCopies(*own, r.cuts, key, &random);
        const auto plan = PackGuillotine(r.rolls, r.cuts, job.bladeReach, order, rules);
        const bool more = packed(order.size());
        if (plan && SheetsCut(plan->records) <= sheets &&
            advanced(Combine(working.records, layouts, replanned, r, *plan))) {
          tried.clear();
          break;
        }
        if (!more) break;
      }
      continue;
    }
    if (!tried.insert(replanned).second) {
      if (++repeats > kMostRepeatedChoices) break;
      continue;
    }
    repeats = 0;
    const int32_t trials = int32_t(r.cuts.size() - 1) * kReplanTrialsPerCut;
    phase.Begin(PieceCount(r.cuts));
    const SearchOutcome replan =
        SearchBestSolution(r.rolls, r.cuts, job.bladeReach, job.mode, job.throughCutsOnly,
                           {1, trials, trials}, r.current, phase, threads);
    phase.End(replan.trialsRun);
    if (replan.improvements > 0 &&
        advanced(Combine(working.records, layouts, replanned, r, replan.best))) {
      tried.clear();
    }
  }
  round.firstAttempt = attempt + 1;
}

}  // namespace

const char* SearchEffortName(SearchEffort effort) {
  switch (effort) {
    case SearchEffort::kStandard:
      return "standard";
    case SearchEffort::kThorough:
      return "thorough";
    case SearchEffort::kExhaustive:
      return "exhaustive";
  }
  return "standard";
}

std::optional<SearchEffort> ParseSearchEffort(std::string_view name) {
  for (const SearchEffort effort :
       {SearchEffort::kStandard, SearchEffort::kThorough, SearchEffort::kExhaustive}) {
    if (name == SearchEffortName(effort)) return effort;
  }
  return std::nullopt;
}

SearchEffort ReadSearchEffortSetting() {
  const auto lines = ReadLines(kSearchEffortFile);
  if (!lines || lines->empty()) return SearchEffort::kStandard;
  return ParseSearchEffort(lines->front()).value_or(SearchEffort::kStandard);
}

bool WriteSearchEffortSetting(SearchEffort effort) {
  return ReplaceFileSafely(kSearchEffortFile, JoinLines({SearchEffortName(effort)}));
}

SearchOutcome OptimizeWithEffort(const EngineJob& job, RunControl& control, SearchEffort effort,
                                 int threads) {
  SearchOutcome outcome = Optimize(job, control, threads);
  if (job.throughCutsOnly && outcome.best.Empty() && !control.StopRequested()) {
    PackWhenNoTrialCompleted(job, outcome, control);
  }
  if (effort == SearchEffort::kStandard || outcome.best.Empty() || control.StopRequested()) {
    return outcome;
  }
  // Exhaustive is Thorough followed by a second round, so that it is never worse than Thorough.
  const double pieces = PieceCount(job.cuts);
  const double unit = StandardTrialCount(job) * pieces;
  const double budget = (WorkMultiple(effort) - 1) * unit;
  control.ShowRunStart(int32_t(budget / pieces), job.mode);
  control.SetMessage(kMessageSearchingLonger);
  PhaseControl phase(control, pieces, budget);
  phase.improvements = outcome.improvements;
  Round round{(WorkMultiple(SearchEffort::kThorough) - 1) * unit, StandardTrialCount(job) + 1, 0,
              true};
  Improve(job, outcome, control, phase, round, threads);
  if (effort == SearchEffort::kExhaustive && !control.StopRequested()) {
    round.end = budget;
    round.packWholeJob = false;
    Improve(job, outcome, control, phase, round, threads);
  }
  return outcome;
}

}  // namespace trimora
