#include "engine/guillotine_packing.h"

#include <gtest/gtest.h>

#include <optional>

namespace trimora {
namespace {

WorkRolls Sheets(float qty) { return {WorkRoll{}, WorkRoll{100, 100, qty, 0, 0, 0, 0}}; }

WorkCuts Squares(float qty) { return {WorkCut{}, WorkCut{50, 50, qty, 0}}; }

std::optional<Solution> Pack(const WorkRolls& rolls, const WorkCuts& cuts, int rollLength = 0,
                             float bladeReach = 1000) {
  PackingRules rules;
  rules.rollLength = rollLength;
  return PackGuillotine(rolls, cuts, bladeReach, *CopiesOf(cuts, 100), rules);
}

struct LayoutSummary {
  float repeat = 0;
  float usedLength = 0;
  int pieces = 0;
};

std::vector<LayoutSummary> Summaries(const Solution& plan) {
  std::vector<LayoutSummary> layouts;
  for (size_t k = 1; k < plan.records.size(); ++k) {
    const AreaRecord& a = plan.records[k];
    if (a.TYPE == kRollOutline) layouts.push_back({a.repeat, a.YE - a.YS, 0});
    if (a.TYPE > 0) ++layouts.back().pieces;
  }
  return layouts;
}

// Identical layouts in a row are one layout cut that many times, and a roll of unlimited
// quantity is cut to one of the lengths the engine's trials may give it.
TEST(GuillotinePacking, IdenticalLayoutsAreOneLayoutCutOften) {
  const WorkRolls coil = Sheets(kUnlimitedQty);
  const auto shortLengths = Pack(coil, Squares(8), 0);  // the coil cut to 50
  ASSERT_TRUE(shortLengths);
  ASSERT_EQ(Summaries(*shortLengths).size(), 1u);
  EXPECT_EQ(Summaries(*shortLengths)[0].repeat, 4);
  EXPECT_EQ(Summaries(*shortLengths)[0].usedLength, 50);
  EXPECT_EQ(shortLengths->stockArea, 4 * 100 * 50);

  const auto wholeLengths = Pack(coil, Squares(8), 1);  // cut to 100
  ASSERT_TRUE(wholeLengths);
  ASSERT_EQ(Summaries(*wholeLengths).size(), 1u);
  EXPECT_EQ(Summaries(*wholeLengths)[0].repeat, 2);
  EXPECT_EQ(Summaries(*wholeLengths)[0].pieces, 4);
}

// Stock is never overdrawn, and a last sheet is cut back to its lowest piece.
TEST(GuillotinePacking, StopsWhereTheStockRunsOut) {
  EXPECT_FALSE(Pack(Sheets(1), Squares(5)));
  const auto plan = Pack(Sheets(2), Squares(5));
  ASSERT_TRUE(plan);
  const std::vector<LayoutSummary> layouts = Summaries(*plan);
  ASSERT_EQ(layouts.size(), 2u);
  EXPECT_EQ(layouts[0].pieces, 4);
  EXPECT_EQ(layouts[1].pieces, 1);
  EXPECT_EQ(layouts[1].usedLength, 50);
}

// A piece locked lengthwise whose length is beyond the blade's reach is never placed; one free
// to turn is placed crosswise.
TEST(GuillotinePacking, KeepsTheLockAndTheBladeReach) {
  const WorkRolls rolls = Sheets(3);
  WorkCuts cuts = {WorkCut{}, WorkCut{80, 30, 2, 1}};
  EXPECT_FALSE(Pack(rolls, cuts, 0, 60));
  cuts[1].ORN = 0;
  const auto plan = Pack(rolls, cuts, 0, 60);
  ASSERT_TRUE(plan);
  for (const AreaRecord& a : plan->records) {
    if (a.TYPE > 0) EXPECT_EQ(a.orientation, kCrosswise);
  }
}

TEST(GuillotinePacking, CopiesOnlyOfWholeQuantitiesWithinTheLimit) {
  EXPECT_EQ(CopiesOf(Squares(3), 3), PackingOrder({1, 1, 1}));
  EXPECT_FALSE(CopiesOf(Squares(4), 3));
  EXPECT_FALSE(CopiesOf(Squares(2.5f), 3));
}

}  // namespace
}  // namespace trimora
