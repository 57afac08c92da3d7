// Whole runs on small generated jobs, checked against what every plan must satisfy. The jobs
// use whole numbers only, so every coordinate is exact and the checks need no tolerance.

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "engine/area_order.h"
#include "engine/engine_inputs.h"
#include "engine/layout_check.h"
#include "engine/layout_results.h"
#include "engine/optimization_run.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::InWorkDir;
using testing::ReadFile;
using testing::WriteFile;

std::string Quoted(const std::vector<std::string>& fields) {
  std::string line;
  for (const auto& field : fields) line += (line.empty() ? "\"" : ",\"") + field + "\"";
  return line + "\r\n";
}

// A job of one large roll of unlimited quantity (so that trials can complete), one or two
// limited rolls and two or three cut-pieces, written as the job's table files.
void WriteRandomJob(uint32_t seed) {
  std::mt19937 gen(seed);
  const auto pick = [&gen](int lo, int hi) {
    return std::to_string(lo + int(gen() % uint32_t(hi - lo + 1)));
  };
  const char* modes[] = {"0,0", "-1,0", "0,-1"};
  WriteFile("options.tlf", std::string(modes[seed % 3]) + "\r\n");
  WriteFile("basic.tlf", Quoted({"MS", "", "2", "1300", "10", pick(0, 4), ""}));

  std::string sheets = Quoted({"3000", "1250", "", pick(0, 20), pick(0, 20), pick(0, 20), "0"});
  for (int n = std::stoi(pick(1, 2)); n > 0; --n) {
    sheets += Quoted({pick(900, 2500), pick(600, 1250), pick(1, 3), pick(0, 15), pick(0, 15),
                      pick(0, 15), pick(0, 15)});
  }
  WriteFile("sheet.tlf", sheets);

  std::string cuts;
  for (int n = std::stoi(pick(2, 3)); n > 0; --n) {
    cuts += Quoted({pick(100, 900), pick(80, 600), pick(1, 6), pick(0, 2)});
  }
  WriteFile("cut.tlf", cuts);
}

// The roll and cut lists as the run built them.
struct RunLists {
  RollList rolls;
  CutList cuts;
};

RunLists ListsOfTheRun() {
  RunLists lists;
  BasicDetails basic;
  int16_t mode = 0;
  ReadEngineInputsFromTables(basic, lists.rolls, lists.cuts, mode);
  ApplyBladeReachAndCheck(basic, lists.rolls, lists.cuts);
  AddKerf(lists.rolls, lists.cuts, basic.KERF);
  SortByAreaDescending(lists.rolls, lists.cuts);
  return lists;
}

// A piece has its cut's size in its orientation, which the cut's ORN allows, and ends above
// the used length of its layout.
void ExpectPieceMatchesItsCut(const AreaRecord& p, const AreaRecord& outline,
                              const RunLists& lists) {
  EXPECT_LE(p.YE, outline.YE);
  ASSERT_LT(size_t(p.TYPE), lists.cuts.size());
  const CutRecord& cut = lists.cuts[size_t(p.TYPE)];
  const bool lengthwise = p.orientation == kLengthwise;
  EXPECT_TRUE(lengthwise || p.orientation == kCrosswise);
  EXPECT_EQ(p.XE - p.XS, lengthwise ? cut.WIDTH : cut.LENGTH);
  EXPECT_EQ(p.YE - p.YS, lengthwise ? cut.LENGTH : cut.WIDTH);
  if (cut.ORN == 1) EXPECT_TRUE(lengthwise);
  if (cut.ORN == 2) EXPECT_FALSE(lengthwise);
}

// One layout: records [first, last) of the plan, all on one roll and cut equally often.
void CheckLayoutRecords(const AreaList& plan, size_t first, size_t last, const RunLists& lists) {
  const AreaRecord& outline = plan[first];
  ASSERT_EQ(outline.TYPE, kRollOutline);
  EXPECT_EQ(outline.XE, lists.rolls[size_t(outline.roll)].WIDTH);
  for (size_t k = first; k < last; ++k) {
    EXPECT_EQ(plan[k].roll, outline.roll);
    EXPECT_EQ(plan[k].repeat, outline.repeat);
    if (plan[k].TYPE > 0) ExpectPieceMatchesItsCut(plan[k], outline, lists);
  }
}

void CheckPlan(const AreaList& plan, const RunLists& lists) {
  // Inside the usable areas (margins respected), no overlaps within a layout.
  EXPECT_EQ(CheckLayout(plan, ToWorkRolls(lists.rolls)), "");
  std::map<int16_t, float> produced;   // cut index -> copies
  std::map<int16_t, float> rollsUsed;  // roll index -> repeats
  size_t first = 1;
  for (int16_t number = 1; first < plan.size(); ++number) {
    size_t last = first;
    while (last < plan.size() && plan[last].layout == number) ++last;
    ASSERT_GT(last, first) << "layout " << number << " missing";
    CheckLayoutRecords(plan, first, last, lists);
    rollsUsed[plan[first].roll] += plan[first].repeat;
    for (size_t k = first; k < last; ++k) {
      if (plan[k].TYPE > 0) produced[plan[k].TYPE] += plan[k].repeat;
    }
    first = last;
  }
  for (size_t c = 1; c < lists.cuts.size(); ++c) {
    EXPECT_EQ(produced[int16_t(c)], lists.cuts[c].QTY) << "cut " << c;
  }
  for (size_t r = 1; r < lists.rolls.size(); ++r) {
    if (lists.rolls[r].QTY != kUnlimitedQty) EXPECT_LE(rollsUsed[int16_t(r)], lists.rolls[r].QTY);
  }
}

class RunProperties : public InWorkDir, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(RunProperties, PlanFitsMeetsTheDemandAndRepeats) {
  WriteRandomJob(GetParam());
  RunControl quiet;
  ASSERT_EQ(RunOptimization(quiet).message, kMessageDone);
  const std::string first = ReadFile("dia.tlf");

  AreaList plan;
  ASSERT_EQ(ReadLayoutResults(plan), LayoutResultsStatus::kLayouts);
  CheckPlan(plan, ListsOfTheRun());

  RunOptimization(quiet);
  EXPECT_EQ(ReadFile("dia.tlf"), first);
}

INSTANTIATE_TEST_SUITE_P(GeneratedJobs, RunProperties, ::testing::Range(1u, 9u));

}  // namespace
}  // namespace trimora
