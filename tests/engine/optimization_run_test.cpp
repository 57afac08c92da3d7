#include "engine/optimization_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/cut_sequence.h"
#include "engine/guillotine_packing.h"
#include "engine/layout_results.h"
#include "engine/optimize.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::InWorkDir;
using testing::QuotedLine;
using testing::ReadFile;
using testing::WriteFile;

// --- Whole runs on job tables -------------------------------------------------------------

struct Job {
  std::string blade = "1500";
  std::string kerf = "0";
  std::string mincut = "10";
  std::string options = "-1,0";                  // Maximum Yield
  std::vector<std::vector<std::string>> sheets;  // LENGTH, WIDTH, QTY, M(L), M(T), M(R), M(B)
  std::vector<std::vector<std::string>> cuts;    // LENGTH, WIDTH, QTY, ORN
};

void WriteJob(const Job& job) {
  WriteFile("basic.tlf", QuotedLine({"MS", "S275", "2", job.blade, job.mincut, job.kerf, ""}));
  WriteFile("options.tlf", job.options + "\r\n");
  std::string sheets, cuts;
  for (const auto& row : job.sheets) sheets += QuotedLine(row);
  for (const auto& row : job.cuts) cuts += QuotedLine(row);
  WriteFile("sheet.tlf", sheets);
  WriteFile("cut.tlf", cuts);
}

// Watches a run as the progress window would: the message line is the stop request.
class RecordingControl : public RunControl {
 public:
  int32_t stopAfterTrial = 0;  // the trial after whose progress Stop is clicked; 0 never

  int32_t startTrialCount = -1;
  std::vector<std::string> messages;
  std::vector<std::vector<int32_t>> progress;  // trials left, improvements, trial
  std::vector<std::pair<float, int16_t>> totals;
  int eventCalls = 0;
  int beeps = 0;

  void ShowRunStart(int32_t trialCount, int16_t) override { startTrialCount = trialCount; }
  void ShowTrialProgress(int32_t left, int16_t improvements, int32_t trial) override {
    progress.push_back({left, improvements, trial});
    if (trial == stopAfterTrial) messages.push_back(kMessageTerminating);
  }
  void ShowBestTotals(float stockArea, int16_t layouts, float) override {
    totals.push_back({stockArea, layouts});
  }
  void SetMessage(const std::string& text) override { messages.push_back(text); }
  bool StopRequested() override { return messages.back() == kMessageTerminating; }
  void ProcessPendingEvents() override { ++eventCalls; }
  void Beep() override { ++beeps; }
};

class OptimizationRun : public InWorkDir {
 protected:
  // A start check refuses the job: its message alone, no trial, the old results kept.
  static void ExpectRefused(const Job& job, const std::string& message) {
    WriteJob(job);
    WriteFile("dia.tlf", "old results\r\n");
    RecordingControl control;
    const RunResult result = RunOptimization(control);
    EXPECT_TRUE(result.startCheckFailed) << message;
    EXPECT_EQ(result.message, message);
    EXPECT_EQ(control.messages, std::vector<std::string>{message});
    EXPECT_EQ(control.startTrialCount, -1);
    EXPECT_EQ(ReadFile("dia.tlf"), "old results\r\n");
  }
};

Job TwoCutJob() {
  Job job;
  job.sheets = {{"2500", "1250", "", "10", "10", "10", "10"}};
  job.cuts = {{"600", "300", "5", "0"}, {"450", "450", "3", "0"}};
  return job;
}

// Sizes beyond single precision and negative kerfs are refused jobs under tests/golden.
TEST_F(OptimizationRun, StartCheckFailuresLeaveTheResultsFileAlone) {
  Job noCuts = TwoCutJob(), tooMany = TwoCutJob(), negativeMincut = TwoCutJob();
  noCuts.cuts = {{"600", "300", "0", "0"}};
  tooMany.sheets.assign(32768, {"2500", "1250", "1", "0", "0", "0", "0"});
  negativeMincut.mincut = "-1";
  ExpectRefused(noCuts, "No valid CUT-PIECES specfied.");
  ExpectRefused(tooMany, "Too many SHEETS: at most 32767 are allowed.");
  ExpectRefused(negativeMincut,
                "MINCUT must be a number from 0 up.\nSet BLADE and KERF under Edit > Blade and "
                "Kerf...");
}

TEST_F(OptimizationRun, TwoCutsRun198TrialsAndReportEachOne) {
  WriteJob(TwoCutJob());
  RecordingControl control;
  const RunResult result = RunOptimization(control, 1);
  EXPECT_EQ(control.startTrialCount, 198);
  ASSERT_EQ(control.progress.size(), 198u);
  EXPECT_EQ(control.progress.front(), (std::vector<int32_t>{197, 1, 1}));
  EXPECT_EQ(control.progress.back(), (std::vector<int32_t>{0, result.improvements, 198}));
  EXPECT_GE(control.eventCalls, 198);
  EXPECT_EQ(control.beeps, 1);
  EXPECT_EQ(control.messages, (std::vector<std::string>{kMessageOptimizing, kMessageDone}));
  ASSERT_FALSE(control.totals.empty());
  EXPECT_EQ(control.totals.back(), (std::pair{result.totalStockArea, result.layouts}));
}

// Trials run ahead on other threads are committed in trial order: whatever the number of
// threads, the run reports the same progress and writes the same plan, also when stopped.
TEST_F(OptimizationRun, AnyNumberOfThreadsGivesTheSameRun) {
  Job job;
  job.sheets = {{"2500", "1250", "4", "10", "10", "10", "10"},
                {"3000", "1500", "", "0", "15", "0", "15"},
                {"2000", "1000", "6", "5", "5", "5", "5"}};
  job.cuts = {{"600", "300", "7", "0"},
              {"450", "450", "5", "0"},
              {"800", "200", "9", "2"},
              {"350", "150", "12", "1"},
              {"1100", "420", "3", "0"}};
  for (const char* options : {"-1,0", "0,-1"}) {
    job.options = options;
    WriteJob(job);
    for (int32_t stopAfter : {0, 10}) {
      std::string expectedPlan;
      RecordingControl expected;
      for (int threads : {1, 2, 3}) {
        RecordingControl control;
        control.stopAfterTrial = stopAfter;
        const RunResult result = RunOptimization(control, threads);
        EXPECT_EQ(result.trialsRun, stopAfter ? stopAfter : 495);
        EXPECT_EQ(result.message, stopAfter ? kMessageStopped : kMessageDone);
        if (threads == 1) {
          expectedPlan = ReadFile("dia.tlf");
          expected = control;
          continue;
        }
        EXPECT_EQ(ReadFile("dia.tlf"), expectedPlan) << options << " threads " << threads;
        EXPECT_EQ(control.progress, expected.progress);
        EXPECT_EQ(control.totals, expected.totals);
        EXPECT_EQ(control.messages, expected.messages);
      }
      EXPECT_FALSE(expectedPlan.empty());
    }
  }
}

// A job with a cut-piece no trial could place is refused before the run, naming its lines in
// order. A piece that fits only in some way the run can reach (turned, or on a coil cut to a
// longer length) is not refused.
TEST_F(OptimizationRun, PiecesThatFitNoRollAreNamedAndTheJobIsRefused) {
  Job refused = TwoCutJob();  // 2500 x 1250, margins 10: usable 2480 x 1230
  refused.cuts = {{"600", "300", "2", "0"},
                  {"2600", "200", "1", "0"},
                  {"500", "400", "1", "3"},
                  {"1240", "300", "1", "2"}};
  Job coil;  // the coil is always cut back to the longest side, 1000: 980 usable
  coil.sheets = {{"1500", "800", "", "0", "10", "0", "10"}};
  coil.cuts = {{"1000", "200", "1", "1"}};
  ExpectRefused(refused,
                "Cut-piece 2 (2600 x 200) fits on no roll.\nCut-piece 3 (500 x 400) fits on no "
                "roll.\nCut-piece 4 (1240 x 300) fits on no roll.");
  ExpectRefused(coil, "Cut-piece 1 (1000 x 200) fits on no roll.");

  Job turned;  // fits only crosswise: the margins leave 900 of the roll's length
  turned.sheets = {{"1300", "1250", "", "0", "200", "0", "200"}};
  turned.cuts = {{"1000", "300", "1", "0"}};
  Job longerCoil = coil;  // the coil may be cut to 2000
  longerCoil.sheets = {{"2500", "800", "", "0", "10", "0", "10"}};
  for (const Job& job : {turned, longerCoil}) {
    WriteJob(job);
    RecordingControl control;
    EXPECT_EQ(RunOptimization(control).message, kMessageDone);
  }
}

TEST_F(OptimizationRun, ARunWithoutAPlanSaysSo) {
  Job tooLittle = TwoCutJob();
  tooLittle.sheets = {{"1000", "1000", "1", "0", "0", "0", "0"}};
  tooLittle.cuts = {{"600", "300", "20", "0"}, {"450", "450", "3", "0"}};
  WriteJob(tooLittle);
  for (const int32_t stopAfter : {0, 5}) {
    RecordingControl control;
    control.stopAfterTrial = stopAfter;
    const RunResult result = RunOptimization(control);
    EXPECT_FALSE(result.planFound);
    EXPECT_EQ(result.message, stopAfter ? kMessageStopped : kMessageNoPlan);
    EXPECT_EQ(ReadFile("dia.tlf"), "");
  }
}

// --- Whole runs on generated jobs ---------------------------------------------------------

// One large roll of unlimited quantity (so that trials can complete), one or two limited rolls
// and two or three cut-pieces, in whole numbers so that every coordinate is exact.
Job RandomJob(uint32_t seed) {
  std::mt19937 gen(seed);
  const auto pick = [&gen](int lo, int hi) {
    return std::to_string(lo + int(gen() % uint32_t(hi - lo + 1)));
  };
  Job job;
  job.blade = "1300";
  job.options = std::vector<std::string>{"0,0", "-1,0", "0,-1"}[seed % 3];
  job.kerf = pick(0, 4);
  job.sheets = {{"3000", "1250", "", pick(0, 20), pick(0, 20), pick(0, 20), "0"}};
  for (int n = std::stoi(pick(1, 2)); n > 0; --n) {
    job.sheets.push_back({pick(900, 2500), pick(600, 1250), pick(1, 3), pick(0, 15), pick(0, 15),
                          pick(0, 15), pick(0, 15)});
  }
  for (int n = std::stoi(pick(2, 3)); n > 0; --n) {
    job.cuts.push_back({pick(100, 900), pick(80, 600), pick(1, 6), pick(0, 2)});
  }
  return job;
}

// Every plan keeps its pieces inside their rolls' usable areas without overlaps, gives each
// piece its cut's size in an orientation the cut's ORN allows, meets the demand exactly and
// never overdraws stock.
void CheckPlan(const AreaList& plan) {
  EngineJob job;
  ASSERT_EQ(PrepareEngineJobFromTables(job), "");
  const WorkRolls& rolls = job.rolls;
  const WorkCuts& cuts = job.cuts;
  std::map<int16_t, float> produced, rollsUsed;
  const AreaRecord* outline = nullptr;
  for (size_t k = 1; k < plan.size(); ++k) {
    const AreaRecord& a = plan[k];
    if (!outline || a.layout != outline->layout) {  // each layout starts with its outline
      ASSERT_EQ(a.layout, outline ? outline->layout + 1 : 1);
      ASSERT_EQ(a.TYPE, kRollOutline);
      ASSERT_TRUE(a.roll >= 1 && size_t(a.roll) < rolls.size());
      EXPECT_EQ(a.XE, rolls[size_t(a.roll)].WIDTH);
      outline = &a;
      rollsUsed[a.roll] += a.repeat;
    }
    EXPECT_EQ(a.roll, outline->roll);
    EXPECT_EQ(a.repeat, outline->repeat);
    if (a.TYPE <= 0) continue;
    ASSERT_LT(size_t(a.TYPE), cuts.size());
    const WorkCut& cut = cuts[size_t(a.TYPE)];
    const WorkRoll& roll = rolls[size_t(a.roll)];
    const bool lengthwise = a.orientation == kLengthwise;
    EXPECT_TRUE(lengthwise || a.orientation == kCrosswise);
    EXPECT_TRUE(cut.ORN == 0 || cut.ORN == a.orientation);
    EXPECT_EQ(a.XE - a.XS, lengthwise ? cut.WIDTH : cut.LENGTH);
    EXPECT_EQ(a.YE - a.YS, lengthwise ? cut.LENGTH : cut.WIDTH);
    EXPECT_LE(a.YE - a.YS, job.bladeReach) << "piece " << k << " is beyond the blade's reach";
    EXPECT_TRUE(a.XS >= roll.ML && a.YS >= roll.MT && a.XE <= roll.WIDTH - roll.MR &&
                a.YE <= std::min(roll.LENGTH - roll.MB, outline->YE))
        << "piece " << k << " leaves the usable area";
    for (size_t m = 1; m < k; ++m) {
      const AreaRecord& b = plan[m];
      EXPECT_FALSE(b.TYPE > 0 && b.layout == a.layout && a.XS < b.XE && b.XS < a.XE &&
                   a.YS < b.YE && b.YS < a.YE)
          << "piece " << k << " overlaps piece " << m;
    }
    produced[a.TYPE] += a.repeat;
  }
  for (size_t c = 1; c < cuts.size(); ++c) EXPECT_EQ(produced[int16_t(c)], cuts[c].QTY) << c;
  for (size_t r = 1; r < rolls.size(); ++r) {
    if (rolls[r].QTY != kUnlimitedQty) EXPECT_LE(rollsUsed[int16_t(r)], rolls[r].QTY) << r;
  }
}

class RunProperties : public InWorkDir, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(RunProperties, PlanFitsAndMeetsTheDemand) {
  WriteJob(RandomJob(GetParam()));
  RunControl quiet;
  ASSERT_EQ(RunOptimization(quiet).message, kMessageDone);
  AreaList plan;
  ASSERT_EQ(ReadLayoutResults(plan), LayoutResultsStatus::kLayouts);
  CheckPlan(plan);
}

// A longer search starts from the standard plan and keeps a plan only when the goal prefers
// it: never worse, never more sheets, just as valid, and the same for any number of threads.
void ExpectLongerSearchNeverWorse(const Job& job) {
  WriteJob(job);
  RunControl quiet;
  ASSERT_TRUE(RunOptimization(quiet).planFound);
  AreaList standard;
  ASSERT_EQ(ReadLayoutResults(standard), LayoutResultsStatus::kLayouts);
  const int16_t mode = job.options == "-1,0" ? 1 : job.options == "0,-1" ? 2 : 0;
  std::string first;
  for (const int threads : {1, 2}) {
    ASSERT_EQ(RunOptimization(quiet, threads, SearchEffort::kThorough).message, kMessageDone);
    AreaList thorough;
    ASSERT_EQ(ReadLayoutResults(thorough), LayoutResultsStatus::kLayouts);
    CheckPlan(thorough);
    if (threads == 1) first = ReadFile("dia.tlf");
    EXPECT_EQ(ReadFile("dia.tlf"), first) << "threads " << threads;
    Solution best{thorough, TotalStockArea(thorough)};
    int16_t improvements = 0;
    CompareSolutions({standard, TotalStockArea(standard)}, best, mode, improvements);
    EXPECT_EQ(improvements, 0) << "the standard plan is better";
  }
}

TEST_P(RunProperties, ALongerSearchIsNeverWorseAndAsValid) {
  ExpectLongerSearchNeverWorse(RandomJob(GetParam()));
}

// Every packing, under every rule, keeps the rules every plan keeps.
TEST_P(RunProperties, EveryPackingKeepsThePlanRules) {
  WriteJob(RandomJob(GetParam()));
  EngineJob engine;
  ASSERT_EQ(PrepareEngineJobFromTables(engine), "");
  const std::optional<PackingOrder> copies = CopiesOf(engine.cuts, 1000);
  ASSERT_TRUE(copies);
  int plans = 0;
  for (int fit = 0; fit < kFitRules; ++fit) {
    for (int split = 0; split < kSplitRules; ++split) {
      for (const bool largest : {false, true}) {
        for (int length = 0; length < 4; ++length) {
          const PackingRules rules{FitRule(fit), SplitRule(split), largest, length};
          const auto plan =
              PackGuillotine(engine.rolls, engine.cuts, engine.bladeReach, *copies, rules);
          if (!plan) continue;
          ++plans;
          CheckPlan(plan->records);
          EXPECT_EQ(plan->stockArea, TotalStockArea(plan->records));
        }
      }
    }
  }
  EXPECT_GT(plans, 0);
}

// Every layout of the plan in dia.tlf comes apart by straight through-cuts.
void ExpectOnlyThroughCuts(const AreaList& plan) {
  for (const auto& [layout, sequence] : DeriveCutSequences(plan)) {
    EXPECT_TRUE(sequence.separable) << "layout " << layout;
  }
}

// With through-cuts only, the standard run and a longer search that re-plans layouts by the
// engine's trials give plans a shear can cut that are just as valid, the same for any number
// of threads.
TEST_P(RunProperties, ThroughCutsOnlyGivesLayoutsAShearCanCut) {
  WriteJob(RandomJob(GetParam()));
  for (const SearchEffort effort : {SearchEffort::kStandard, SearchEffort::kThorough}) {
    std::string first;
    for (const int threads : {1, 2}) {
      RunControl quiet;
      ASSERT_EQ(RunOptimization(quiet, threads, effort, true).message, kMessageDone);
      AreaList plan;
      ASSERT_EQ(ReadLayoutResults(plan), LayoutResultsStatus::kLayouts);
      CheckPlan(plan);
      ExpectOnlyThroughCuts(plan);
      if (threads == 1) first = ReadFile("dia.tlf");
      EXPECT_EQ(ReadFile("dia.tlf"), first) << SearchEffortName(effort) << " threads " << threads;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(GeneratedJobs, RunProperties, ::testing::Range(1u, 9u));
// A job whose longer search with through-cuts only improves the plan already by its further
// trials of the whole job.
INSTANTIATE_TEST_SUITE_P(FurtherTrialsImprove, RunProperties, ::testing::Values(52u));

// One sheet only just holds the pieces: every trial of through-cuts only ends on a step none of
// whose candidates a shear can cut, and the run takes a packing of the whole job instead.
TEST_F(OptimizationRun, ThroughCutsOnlyFindsAPlanWhereNoTrialDoes) {
  Job job;
  job.blade = "100";
  job.mincut = "0";
  job.sheets = {{"100", "100", "1", "0", "0", "0", "0"}};
  job.cuts = {{"77", "22", "3", "0"}, {"55", "32", "2", "0"}};
  WriteJob(job);
  EngineJob engine;
  ASSERT_EQ(PrepareEngineJobFromTables(engine), "");
  engine.throughCutsOnly = true;
  RunControl quiet;
  ASSERT_TRUE(Optimize(engine, quiet).best.Empty());

  std::string first;
  for (const int threads : {1, 2}) {
    ASSERT_TRUE(RunOptimization(quiet, threads, SearchEffort::kStandard, true).planFound);
    AreaList plan;
    ASSERT_EQ(ReadLayoutResults(plan), LayoutResultsStatus::kLayouts);
    CheckPlan(plan);
    ExpectOnlyThroughCuts(plan);
    if (threads == 1) first = ReadFile("dia.tlf");
    EXPECT_EQ(ReadFile("dia.tlf"), first);
  }
}

// Instance 20 of the first class of the classic bin-packing benchmark: 40 items up to 10 x 10
// on 10 x 10 bins, turning allowed.
TEST_F(OptimizationRun, ALongerSearchIsNeverWorseOnABinPackingInstance) {
  const int items[][2] = {{6, 8}, {4, 9},  {6, 4}, {3, 1}, {3, 3}, {3, 5}, {6, 6},  {8, 8},
                          {7, 6}, {5, 10}, {8, 3}, {6, 8}, {9, 6}, {4, 8}, {10, 1}, {9, 2},
                          {6, 4}, {10, 4}, {4, 9}, {3, 1}, {6, 7}, {5, 6}, {6, 9},  {7, 2},
                          {1, 4}, {4, 7},  {4, 7}, {3, 2}, {8, 5}, {6, 2}, {1, 1},  {7, 4},
                          {4, 8}, {4, 1},  {2, 4}, {8, 5}, {3, 1}, {3, 5}, {7, 2},  {7, 1}};
  std::map<std::pair<int, int>, int> counts;
  for (const auto& item : items) ++counts[{item[0], item[1]}];
  Job job;
  job.blade = "10";
  job.mincut = "0";
  job.sheets = {{"10", "10", "40", "0", "0", "0", "0"}};
  for (const auto& [size, count] : counts) {
    job.cuts.push_back(
        {std::to_string(size.first), std::to_string(size.second), std::to_string(count), "0"});
  }
  ExpectLongerSearchNeverWorse(job);
}

}  // namespace
}  // namespace trimora
