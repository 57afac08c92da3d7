#include "engine/optimization_run.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/layout_metrics.h"
#include "engine/layout_results.h"
#include "engine/random.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::InWorkDir;
using testing::ReadFile;
using testing::WriteFile;

// --- Roll lengths of a trial --------------------------------------------------------------

WorkCuts CutsUpTo(float longest) { return {WorkCut{}, {longest, 300, 1, 0}, {400, 200, 1, 0}}; }

TEST(RandomizeRollLengths, UnlimitedRollBecomesAWholeMultipleOfTheLongestCut) {
  std::set<float> lengths;
  for (int32_t trial = 1; trial <= 200; ++trial) {
    SeedRandom(trial);
    WorkRolls rolls(2);
    rolls[1] = {5000, 1000, kUnlimitedQty, 0, 0, 0, 0};
    RandomizeRollLengths(rolls, CutsUpTo(1200));
    lengths.insert(rolls[1].LENGTH);
  }
  EXPECT_EQ(lengths, (std::set<float>{1200, 2400, 3600, 4800}));
}

TEST(RandomizeRollLengths, OtherRollsKeepTheirLengthAndDrawNothing) {
  WorkRolls rolls(4);
  rolls[1] = {1000, 900, kUnlimitedQty, 0, 0, 0, 0};  // not longer than the longest cut
  rolls[2] = {1200, 900, kUnlimitedQty, 0, 0, 0, 0};  // exactly as long
  rolls[3] = {5000, 900, 3, 0, 0, 0, 0};              // limited quantity
  SeedRandom(5);
  const double firstDraw = NextRandom();
  SeedRandom(5);
  RandomizeRollLengths(rolls, CutsUpTo(1200));
  EXPECT_EQ(rolls[1].LENGTH, 1000.0f);
  EXPECT_EQ(rolls[2].LENGTH, 1200.0f);
  EXPECT_EQ(rolls[3].LENGTH, 5000.0f);
  EXPECT_EQ(NextRandom(), firstDraw);
}

// --- Whole runs on job tables -------------------------------------------------------------

std::string Quoted(const std::vector<std::string>& fields) {
  std::string line;
  for (const auto& field : fields) line += (line.empty() ? "\"" : ",\"") + field + "\"";
  return line + "\r\n";
}

struct Job {
  std::string blade = "1500";
  std::string kerf = "0";
  std::string options = "-1,0";                  // Maximum Yield
  std::vector<std::vector<std::string>> sheets;  // LENGTH, WIDTH, QTY, M(L), M(T), M(R), M(B)
  std::vector<std::vector<std::string>> cuts;    // LENGTH, WIDTH, QTY, ORN
};

void WriteJob(const Job& job) {
  WriteFile("basic.tlf", Quoted({"MS", "S275", "2", job.blade, "10", job.kerf, ""}));
  WriteFile("options.tlf", job.options + "\r\n");
  std::string sheets, cuts;
  for (const auto& row : job.sheets) sheets += Quoted(row);
  for (const auto& row : job.cuts) cuts += Quoted(row);
  WriteFile("sheet.tlf", sheets);
  WriteFile("cut.tlf", cuts);
}

// Watches a run as the progress window would: the message line is the stop request.
class RecordingControl : public RunControl {
 public:
  int32_t stopDuringTrial = 0;  // the trial during which Stop is clicked; 0 never
  int32_t stopAfterTrial = 0;   // the trial after whose progress Stop is clicked; 0 never

  int32_t startTrialCount = -1;
  int16_t startMode = -1;
  std::vector<std::string> messages;
  std::vector<std::vector<int32_t>> progress;  // trials left, improvements, trial
  std::vector<std::pair<float, int16_t>> totals;
  int eventCalls = 0;
  int beeps = 0;

  void ShowRunStart(int32_t trialCount, int16_t mode) override {
    startTrialCount = trialCount;
    startMode = mode;
  }
  void ShowTrialProgress(int32_t left, int16_t improvements, int32_t trial) override {
    progress.push_back({left, improvements, trial});
    if (trial == stopAfterTrial) messages.push_back(kMessageTerminating);
  }
  void ShowBestTotals(float stockArea, int16_t layouts) override {
    totals.push_back({stockArea, layouts});
  }
  void SetMessage(const std::string& text) override { messages.push_back(text); }
  bool StopRequested() override { return messages.back() == kMessageTerminating; }
  void ProcessPendingEvents() override {
    ++eventCalls;
    const int32_t trial = int32_t(progress.size()) + 1;
    if (trial == stopDuringTrial) messages.push_back(kMessageTerminating);
  }
  void Beep() override { ++beeps; }
};

class OptimizationRun : public InWorkDir {};

Job TwoCutJob() {
  Job job;
  job.sheets = {{"2500", "1250", "", "10", "10", "10", "10"}};
  job.cuts = {{"600", "300", "5", "0"}, {"450", "450", "3", "0"}};
  return job;
}

TEST_F(OptimizationRun, StartCheckFailuresLeaveTheResultsFileAlone) {
  const std::vector<std::pair<Job, std::string>> cases = [] {
    Job noBlade = TwoCutJob();
    noBlade.blade = "0";
    Job noSheets = TwoCutJob();
    noSheets.sheets = {{"2500", "1250", "", "700", "10", "700", "10"}};
    Job noCuts = TwoCutJob();
    noCuts.cuts = {{"600", "300", "0", "0"}};
    return std::vector<std::pair<Job, std::string>>{{noBlade, "Wrong BLADE specfied."},
                                                    {noSheets, "No valid SHEETS specified."},
                                                    {noCuts, "No valid CUT-PIECES specfied."}};
  }();
  for (const auto& [job, message] : cases) {
    WriteJob(job);
    WriteFile("dia.tlf", "old results\r\n");
    RecordingControl control;
    const RunResult result = RunOptimization(control);
    EXPECT_TRUE(result.startCheckFailed);
    EXPECT_EQ(result.message, message);
    EXPECT_EQ(control.messages, std::vector<std::string>{message});
    EXPECT_EQ(control.startTrialCount, -1);
    EXPECT_EQ(control.beeps, 0);
    EXPECT_EQ(ReadFile("dia.tlf"), "old results\r\n");
  }
}

TEST_F(OptimizationRun, MoreThan32767SheetsAreRefused) {
  Job job = TwoCutJob();
  job.sheets.assign(32768, {"2500", "1250", "1", "0", "0", "0", "0"});
  WriteJob(job);
  RecordingControl control;
  const RunResult result = RunOptimization(control);
  EXPECT_TRUE(result.startCheckFailed);
  EXPECT_EQ(result.message, "Too many SHEETS: at most 32767 are allowed.");
  EXPECT_FALSE(std::filesystem::exists("dia.tlf"));
}

TEST_F(OptimizationRun, TwoCutsRun198TrialsAndReportEachOne) {
  WriteJob(TwoCutJob());
  RecordingControl control;
  const RunResult result = RunOptimization(control, 1);

  EXPECT_EQ(control.startTrialCount, 198);
  EXPECT_EQ(control.startMode, 1);
  ASSERT_EQ(control.progress.size(), 198u);
  EXPECT_EQ(control.progress.front(), (std::vector<int32_t>{197, 1, 1}));
  EXPECT_EQ(control.progress.back()[0], 0);
  EXPECT_EQ(control.progress.back()[2], 198);
  EXPECT_GE(control.eventCalls, 198);
  EXPECT_EQ(control.beeps, 1);
  EXPECT_EQ(control.messages, (std::vector<std::string>{kMessageOptimizing, kMessageDone}));
  EXPECT_EQ(result.message, kMessageDone);
  EXPECT_EQ(result.trialsRun, 198);
  EXPECT_EQ(result.improvements, control.progress.back()[1]);
  ASSERT_FALSE(control.totals.empty());
  EXPECT_EQ(control.totals.back(), (std::pair{result.totalStockArea, result.layouts}));
}

TEST_F(OptimizationRun, StopDuringTrialTenEndsAfterIt) {
  WriteJob(TwoCutJob());
  RecordingControl control;
  control.stopDuringTrial = 10;
  const RunResult result = RunOptimization(control, 1);

  EXPECT_EQ(result.trialsRun, 10);
  EXPECT_EQ(control.progress.size(), 10u);
  EXPECT_EQ(result.message, kMessageStopped);
  EXPECT_EQ(control.messages.back(), kMessageStopped);
  AreaList plan;
  ASSERT_EQ(ReadLayoutResults(plan), LayoutResultsStatus::kLayouts);
  EXPECT_EQ(TotalStockArea(plan), control.totals.back().first);
  EXPECT_EQ(SolutionMetrics(plan).layouts, control.totals.back().second);
}

// Trials run ahead on other threads are committed in trial order: whatever the number of
// threads, the run reports the same progress and writes the same plan, also when stopped.
TEST_F(OptimizationRun, AnyNumberOfThreadsGivesTheSameRun) {
  Job job;
  job.sheets = {{"2500", "1250", "4", "10", "10", "10", "10"},
                {"3000", "1500", "", "0", "15", "0", "15"},
                {"2000", "1000", "6", "5", "5", "5", "5"}};
  job.cuts = {{"600", "300", "7", "0"}, {"450", "450", "5", "0"}, {"800", "200", "9", "2"},
              {"350", "150", "12", "1"}, {"1100", "420", "3", "0"}};
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

TEST_F(OptimizationRun, LimitedStockTooSmallWritesAnEmptyFile) {
  Job job = TwoCutJob();
  job.sheets = {{"1000", "1000", "1", "0", "0", "0", "0"}};
  job.cuts = {{"600", "300", "20", "0"}};
  WriteJob(job);
  WriteFile("dia.tlf", "old results\r\n");
  RecordingControl control;
  const RunResult result = RunOptimization(control);
  EXPECT_EQ(result.message, kMessageDone);
  EXPECT_TRUE(result.resultsWritten);
  EXPECT_TRUE(control.totals.empty());
  EXPECT_EQ(result.layouts, 0);
  EXPECT_TRUE(std::filesystem::exists("dia.tlf"));
  EXPECT_EQ(ReadFile("dia.tlf"), "");
}

TEST_F(OptimizationRun, PieceLargerThanEveryRollRunsAllTrialsAndFindsNothing) {
  Job job = TwoCutJob();
  job.cuts = {{"600", "300", "2", "0"}, {"3000", "1300", "1", "0"}};
  WriteJob(job);
  RecordingControl control;
  const RunResult result = RunOptimization(control);
  EXPECT_EQ(result.trialsRun, 198);
  EXPECT_EQ(result.improvements, 0);
  EXPECT_EQ(ReadFile("dia.tlf"), "");
}

TEST_F(OptimizationRun, LengthwisePieceAtTheUsableCornerIncludesTheKerf) {
  Job job;
  job.blade = "1200";
  job.kerf = "5";
  job.sheets = {{"2500", "1000", "1", "10", "10", "10", "10"}};
  job.cuts = {{"300", "600", "1", "1"}};
  WriteJob(job);
  RecordingControl control;
  RunOptimization(control);
  const std::string dia = ReadFile("dia.tlf");
  EXPECT_EQ(dia.substr(0, dia.find("\r\n")), "1,-1,1,0,0,1005,615,1,0");
  EXPECT_NE(dia.find("\r\n1,1,1,10,10,315,615,1,1\r\n"), std::string::npos) << dia;
}

}  // namespace
}  // namespace trimora
