#include "engine/search_effort.h"

#include <algorithm>
#include <numeric>
#include <set>

#include "engine/random.h"
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
// A re-planning takes at most this many layouts together, and runs at most this many trials
// per cut line it holds.
constexpr size_t kMostReplanned = 5;
constexpr int32_t kReplanTrialsPerCut = 99;
// Once this many choices in a row were tried already on the plan as it stands, there is
// nothing new left to try.
constexpr int32_t kMostRepeatedChoices = 200;
// Seeds the choice of layouts to re-plan, apart from every trial's own numbers.
constexpr int32_t kChoiceSeed = 1 << 30;

// Sheets (or lengths of coil) cut: the sum of the layouts' repeat counts.
float SheetsCut(const AreaList& records) {
  float sheets = 0;
  for (size_t k = 1; k < records.size(); ++k) {
    if (records[k].TYPE == kRollOutline) sheets = sheets + records[k].repeat;
  }
  return sheets;
}

double PieceCount(const WorkCuts& cuts) {
  double pieces = 0;
  for (size_t i = 1; i < cuts.size(); ++i) pieces += cuts[i].QTY;
  return pieces;
}

// One layout of a plan: its records [begin, end), its roll, repeat count and yield.
struct LayoutSpan {
  size_t begin = 0;
  size_t end = 0;
  int16_t roll = 0;
  float repeat = 0;
  double yield = 0;
};

std::vector<LayoutSpan> Layouts(const AreaList& records) {
  std::vector<LayoutSpan> layouts;
  for (size_t k = 1; k < records.size(); ++k) {
    if (layouts.empty() || records[k].layout != records[layouts.back().begin].layout) {
      layouts.push_back({k, k, records[k].roll, records[k].repeat, 0});
    }
    layouts.back().end = k + 1;
  }
  for (LayoutSpan& layout : layouts) {
    double stock = 0, pieces = 0;
    for (size_t k = layout.begin; k < layout.end; ++k) {
      const AreaRecord& a = records[k];
      const double area = double(a.XE - a.XS) * double(a.YE - a.YS);
      if (a.TYPE == kRollOutline) stock += area;
      if (a.TYPE > 0) pieces += area;
    }
    layout.yield = stock > 0 ? pieces / stock : 0;
  }
  return layouts;
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

// Which layouts to re-plan in the given attempt: the weakest (lowest yield) with, first, the
// next weakest, and later with others drawn at random, one to kMostReplanned in all.
std::vector<bool> ChooseReplanned(const std::vector<LayoutSpan>& layouts, int32_t attempt) {
  std::vector<size_t> order(layouts.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return layouts[a].yield < layouts[b].yield; });
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

void Improve(const EngineJob& job, SearchOutcome& outcome, RunControl& control, SearchEffort effort,
             int threads) {
  const int32_t standardTrials = StandardTrialCount(job);
  const double pieces = PieceCount(job.cuts);
  const double budget = (WorkMultiple(effort) - 1) * standardTrials * pieces;
  control.ShowRunStart(int32_t(budget / pieces), job.mode);
  control.SetMessage(kMessageSearchingLonger);
  PhaseControl phase(control, pieces, budget);
  phase.improvements = outcome.improvements;
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

  // More trials of the whole job, numbered on from the standard ones.
  const int32_t moreTrials = int32_t(kMoreTrialsShare * budget / pieces);
  const int32_t count = standardTrials + moreTrials;
  phase.Begin(pieces);
  const SearchOutcome more =
      SearchBestSolution(job.rolls, job.cuts, job.bladeReach, job.mode,
                         {standardTrials + 1, count, count}, outcome.best, phase, threads);
  phase.End(more.trialsRun);
  if (more.improvements > 0) improved(more.best);

  // A choice tried on the plan as it stands would only repeat itself.
  std::set<std::vector<bool>> tried;
  int32_t repeats = 0;
  for (int32_t attempt = 0; phase.Spent() < budget && !control.StopRequested(); ++attempt) {
    const std::vector<LayoutSpan> layouts = Layouts(outcome.best.records);
    const std::vector<bool> replanned = ChooseReplanned(layouts, attempt);
    if (!tried.insert(replanned).second) {
      if (++repeats > kMostRepeatedChoices) break;
      continue;
    }
    repeats = 0;
    const Replanning r = MakeReplanning(job, outcome.best.records, layouts, replanned);
    const int32_t trials = int32_t(r.cuts.size() - 1) * kReplanTrialsPerCut;
    phase.Begin(PieceCount(r.cuts));
    const SearchOutcome replan = SearchBestSolution(r.rolls, r.cuts, job.bladeReach, job.mode,
                                                    {1, trials, trials}, r.current, phase, threads);
    phase.End(replan.trialsRun);
    if (replan.improvements > 0 &&
        improved(Combine(outcome.best.records, layouts, replanned, r, replan.best))) {
      tried.clear();
    }
  }
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
  if (effort == SearchEffort::kStandard || outcome.best.Empty() || control.StopRequested()) {
    return outcome;
  }
  Improve(job, outcome, control, effort, threads);
  return outcome;
}

}  // namespace trimora
