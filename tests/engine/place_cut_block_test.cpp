#include "engine/place_cut_block.h"

#include <gtest/gtest.h>

#include "area_records.h"

namespace trimora {
namespace {

using testing::FreshRoll;
using testing::Growing;
using testing::List;
using testing::Rect;
using testing::Roll;

using Counts = std::pair<int, int>;

Counts CountsOf(const std::optional<Placement>& p) {
  return p ? Counts(p->nx, p->ny) : Counts(0, 0);
}

// The first value a fresh generator seeded for seedTrial gives RandomInt(1, hi).
int FirstDraw(int32_t seedTrial, int16_t hi) {
  TrialRandom random;
  random.Seed(seedTrial);
  return random.RandomInt(1, hi);
}

// A cut 100 long and 50 wide: lengthwise 50 across and 100 along the roll.
WorkCut Cut(float qty, float orn = 0) { return {100, 50, qty, orn}; }

TEST(PlaceCutBlock, TrialOneTakesTheLargestBlockWithinQuantityOrnAndBladeReach) {
  const struct {
    WorkRoll roll;
    WorkCut cut;
    int16_t variant;
    float bladeReach;
    Counts counts;
    float qtyLeft;
    int16_t orientation;
  } cases[] = {
      // The raw lengthwise block in 250 x 400 is 5 x 4 and seven copies are left: variant 1
      // trims ny first (20, 15, 10 exceed 7), variant 3 nx first (20, 16, 12, 8 exceed 7).
      {Roll(400, 250), Cut(7), 1, 1E6f, {5, 1}, 2, kLengthwise},
      {Roll(400, 250), Cut(7), 3, 1E6f, {1, 4}, 3, kLengthwise},
      {Roll(400, 250), Cut(100), 1, 1E6f, {5, 4}, 80, kLengthwise},
      // Trimming never goes below one copy, however little is left.
      {Roll(400, 250), Cut(0.5f), 1, 1E6f, {1, 1}, -0.5f, kLengthwise},
      // No block reaches further than the blade along Y: 900 / 300 gives 3 rows.
      {Roll(2000, 500), {300, 100, 100, 1}, 1, 900, {5, 3}, 85, kLengthwise},
      // ORN locks the orientation whatever the variant; a roll too narrow for a crosswise
      // copy makes an even variant fall back to lengthwise.
      {Roll(1000, 500), Cut(1000, 2), 1, 1E6f, {5, 20}, 900, kCrosswise},
      {Roll(1000, 500), Cut(1000, 1), 2, 1E6f, {10, 10}, 900, kLengthwise},
      {Roll(1000, 60), Cut(1000), 2, 1E6f, {1, 10}, 990, kLengthwise},
  };
  for (const auto& c : cases) {
    Growing g(c.roll, {{}, c.cut});
    g.variant = c.variant;
    g.bladeReach = c.bladeReach;
    EXPECT_EQ(CountsOf(g.Place(1, 6, true)), c.counts) << c.cut.QTY << " variant " << c.variant;
    EXPECT_EQ(g.cuts[1].QTY, c.qtyLeft) << c.cut.QTY;
    EXPECT_EQ(g.layout.areas[7].orientation, c.orientation) << c.cut.QTY;
  }
}

TEST(PlaceCutBlock, FailureChangesNothingButTheDrawsMade) {
  // A piece in the free area's corner (free area 8) leaves no room for any block.
  AreaList blocked = FreshRoll(Roll(500, 500));
  blocked.push_back(Rect(1, 0, 0, 10, 10));
  blocked.push_back(Rect(kFreeArea, 0, 0, 500, 500));
  // A piece under the second and third row of a one-column block (free area 8): the corner
  // is clear, but column-first clearance gives up the column before the block is clear.
  AreaList column = FreshRoll(Roll(500, 500));
  column.push_back(Rect(1, 0, 150, 60, 300));
  column.push_back(Rect(kFreeArea, 0, 0, 60, 300));
  const struct {
    Growing job;
    int16_t area;
    int32_t trial;
  } cases[] = {
      {Growing(Roll(500, 500), {{}, Cut(10, 3)}), 6, 1},        // ORN 3 allows no orientation
      {Growing(Roll(500, 500), {{}, {600, 50, 10, 1}}), 6, 1},  // too long for the roll
      {Growing(Roll(500, 500), {{}, Cut(10)}, blocked), 8, 20},
      {Growing(Roll(500, 500), {{}, Cut(10, 1)}, column), 8, 20},
  };
  for (auto c : cases) {
    const AreaList before = c.job.layout.areas;
    c.job.trial = c.trial;
    c.job.random.Seed(4);
    EXPECT_FALSE(c.job.Place(1, c.area, false).has_value()) << c.area;
    EXPECT_EQ(c.job.layout.areas.size(), before.size());
    EXPECT_EQ(c.job.layout.areas[size_t(c.area)].TYPE, kFreeArea);
    EXPECT_EQ(c.job.cuts[1].QTY, 10);
    // From trial 17 on a cut free to turn made its orientation draw, and no other.
    TrialRandom expected;
    expected.Seed(4);
    if (c.trial >= 17 && c.job.cuts[1].ORN == 0) expected.NextWord();
    EXPECT_EQ(c.job.random.NextWord(), expected.NextWord()) << c.area;
  }
}

// The edge of a block is a sum rounded to single precision and may pass the edge of the area
// it was sized for: 4.37166929 + (14.412282 - 4.37166929) is 14.4122829. A piece starting at
// the area's edge then overlaps the block, which cannot be placed.
TEST(PlaceCutBlock, ABlockPassingItsAreaByRoundingMeetsThePieceBeyond) {
  const float xs = 4.37166929f;
  const float xe = 14.412282f;
  ASSERT_GT(xs + (xe - xs), xe);
  const WorkCut cut{20, xe - xs, 1, 1};
  Growing g(Roll(1000, 1000), {{}, cut},
            List({Rect(1, xe, 0, xe + 10, 50), Rect(kFreeArea, xs, 0, xe, 100)}));
  EXPECT_FALSE(g.Place(1, 2, false).has_value());
  Growing clear(Roll(1000, 1000), {{}, cut},
                List({Rect(1, xe + 1, 0, xe + 10, 50), Rect(kFreeArea, xs, 0, xe, 100)}));
  EXPECT_EQ(CountsOf(clear.Place(1, 2, false)), Counts(1, 1));
}

TEST(PlaceCutBlock, FromTrial17AFreeCutDrawsItsOrientationWithoutASecondChance) {
  // Only lengthwise copies fit 60 across.
  for (int32_t seed = 1; seed <= 4; ++seed) {
    Growing g(Roll(1000, 60), {{}, Cut(1000)});
    g.trial = 17;
    g.random.Seed(seed);
    EXPECT_EQ(g.Place(1, 6, false).has_value(), FirstDraw(seed, 2) == 1) << seed;
  }
}

TEST(PlaceCutBlock, FirstBlockOfALayoutIsRandomizedAfterTrialOne) {
  // Raw block 10 x 10 (lengthwise in 500 x 1000).
  TrialRandom random;
  random.Seed(5);
  const int ny = random.RandomInt(1, 10);
  const int nx = random.RandomInt(1, 10);
  Growing early(Roll(1000, 500), {{}, Cut(1000, 1)});
  early.trial = 5;
  early.random.Seed(5);
  EXPECT_EQ(CountsOf(early.Place(1, 6, true)), Counts(nx, ny));  // ny drawn first, then nx
  Growing later(Roll(1000, 500), {{}, Cut(1000, 1)});
  later.trial = 5;
  EXPECT_EQ(CountsOf(later.Place(1, 6, false)), Counts(10, 10));

  // From trial 17 one count is drawn: with 99 trials S is 54, with 198 it is 109.
  const int draw = FirstDraw(3, 10);
  ASSERT_LT(draw, 10);
  const struct {
    int16_t variant;
    int32_t trial;
    int32_t trialCount;
    Counts expected;
  } cases[] = {{1, 54, 99, {10, draw}}, {1, 55, 99, {draw, 10}},   {3, 54, 99, {draw, 10}},
               {3, 55, 99, {10, draw}}, {5, 109, 198, {10, draw}}, {5, 110, 198, {draw, 10}}};
  for (const auto& c : cases) {
    Growing g(Roll(1000, 500), {{}, Cut(1000, 1)});
    g.variant = c.variant;
    g.trial = c.trial;
    g.trialCount = c.trialCount;
    g.random.Seed(3);
    EXPECT_EQ(CountsOf(g.Place(1, 6, true)), c.expected) << c.variant << " " << c.trial;
  }
}

TEST(PlaceCutBlock, CountsStayWithinTheSixteenBitRange) {
  // Copies 0.5 square: 200 fit across a side of 100, far more than 32767 along 20000. The
  // count the variant trims first gives way to keep nx * ny within 32767.
  const WorkCut tiny{0.5f, 0.5f, 1E6f, 0};
  Growing tall(Roll(20000, 100), {{}, tiny});
  EXPECT_EQ(CountsOf(tall.Place(1, 6, true)), Counts(200, 163));
  EXPECT_EQ(tall.layout.areas.size(), 7u + 200 * 163 + 3);  // copies, free areas, the cut line
  // A block of 1 x 32767 cannot be indexed once appended: the call fails.
  Growing full(Roll(20000, 100), {{}, tiny});
  full.variant = 3;
  EXPECT_FALSE(full.Place(1, 6, true).has_value());
  EXPECT_EQ(full.layout.areas.size(), 7u);
}

}  // namespace
}  // namespace trimora
