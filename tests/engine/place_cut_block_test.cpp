#include "engine/place_cut_block.h"

#include <gtest/gtest.h>

#include "area_records.h"
#include "engine/random.h"

namespace trimora {
namespace {

using testing::FreshRoll;
using testing::Rect;
using testing::Roll;

// One roll without margins and one cut; the roll's usable area is free area 6.
struct Job {
  WorkRolls rolls;
  WorkCuts cuts;
  AreaList areas;
  float bladeReach = 1E6f;
  int32_t trialCount = 99;

  Job(const WorkRoll& roll, const WorkCut& cut)
      : rolls{{}, roll}, cuts{{}, cut}, areas(FreshRoll(roll)) {}

  // nx and ny as returned for a block in free area k.
  std::pair<int, int> Place(int16_t variant, int32_t trial = 1, bool first = true, int16_t k = 6) {
    int16_t nx = -1, ny = -1;
    PlaceCutBlock(nx, ny, cuts, 1, areas, k, rolls, variant, trial, trialCount, first, bladeReach);
    return {nx, ny};
  }
};

using Counts = std::pair<int, int>;

// The first value a fresh generator seeded for seedTrial gives RandomInt(1, hi).
int FirstDraw(int32_t seedTrial, int16_t hi) {
  SeedRandom(seedTrial);
  return RandomInt(1, hi);
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
    Job job(c.roll, c.cut);
    job.bladeReach = c.bladeReach;
    EXPECT_EQ(job.Place(c.variant), c.counts) << c.cut.QTY << " variant " << c.variant;
    EXPECT_EQ(job.cuts[1].QTY, c.qtyLeft) << c.cut.QTY;
    EXPECT_EQ(job.areas[7].orientation, c.orientation) << c.cut.QTY;
  }
}

// A piece in the free area's corner (free area 8) leaves no room for any block.
Job CornerBlocked() {
  Job job(Roll(500, 500), Cut(10));
  job.areas.push_back(Rect(1, 0, 0, 10, 10));
  job.areas.push_back(Rect(kFreeArea, 0, 0, 500, 500));
  return job;
}

TEST(PlaceCutBlock, FailureChangesNeitherList) {
  // A cut whose ORN is no orientation, one too long for the roll, a blocked corner.
  for (auto [job, k] : {std::pair{Job(Roll(500, 500), Cut(10, 3)), int16_t(6)},
                        {Job(Roll(500, 500), {600, 50, 10, 1}), int16_t(6)},
                        {CornerBlocked(), int16_t(8)}}) {
    const size_t size = job.areas.size();
    const Counts counts = job.Place(1, 1, true, k);
    EXPECT_FALSE(counts.first >= 1 && counts.second >= 1);
    EXPECT_EQ(job.areas.size(), size);
    EXPECT_EQ(job.areas[size_t(k)].TYPE, kFreeArea);
    EXPECT_EQ(job.cuts[1].QTY, 10);
  }
}

// A failed block is remembered for its free area: the repeat makes the same orientation draw
// and fails without being worked out again, until the memo is reset for a changed layout.
TEST(PlaceCutBlock, MemoSkipsARepeatedFailureButNeverAFirstBlock) {
  Job blocked = CornerBlocked();
  PlacementMemo memo;
  memo.Reset(1);
  const auto place = [&](Job& job, int16_t k, bool first) {
    int16_t nx = 0, ny = 0;
    SeedRandom(20);
    PlaceCutBlock(nx, ny, job.cuts, 1, job.areas, k, job.rolls, 1, 20, 99, first, job.bladeReach,
                  &memo);
    return nx >= 1 && ny >= 1;
  };
  EXPECT_FALSE(place(blocked, 8, false));
  const int16_t orientation = int16_t(FirstDraw(20, 2));
  EXPECT_TRUE(memo.Failed(1, orientation));
  EXPECT_FALSE(memo.Failed(1, orientation == 1 ? 2 : 1));
  // Once the corner is free the remembered failure still stands until the caller resets.
  blocked.areas[7].TYPE = kDeadArea;
  EXPECT_FALSE(place(blocked, 8, false));
  memo.Reset(1);
  EXPECT_TRUE(place(blocked, 8, false));
  // The first block of a layout depends on its draws too: it never takes a remembered failure.
  Job fresh(Roll(500, 500), Cut(10));
  memo.Reset(1);
  memo.MarkFailed(1, kLengthwise);
  memo.MarkFailed(1, kCrosswise);
  EXPECT_TRUE(place(fresh, 6, true));
}

TEST(PlaceCutBlock, FromTrial17AFreeCutDrawsItsOrientationWithoutASecondChance) {
  // Only lengthwise copies fit 60 across.
  for (int32_t seed = 1; seed <= 4; ++seed) {
    Job job(Roll(1000, 60), Cut(1000));
    const bool lengthwise = FirstDraw(seed, 2) == 1;
    SeedRandom(seed);
    const Counts counts = job.Place(1, 17, false);
    EXPECT_EQ(counts.first >= 1 && counts.second >= 1, lengthwise) << seed;
  }
}

TEST(PlaceCutBlock, FirstBlockOfALayoutIsRandomizedAfterTrialOne) {
  // Raw block 10 x 10 (lengthwise in 500 x 1000).
  SeedRandom(5);
  const int ny = RandomInt(1, 10);
  const int nx = RandomInt(1, 10);
  Job early(Roll(1000, 500), Cut(1000, 1));
  SeedRandom(5);
  EXPECT_EQ(early.Place(1, 5), Counts(nx, ny));  // ny drawn first, then nx
  Job later(Roll(1000, 500), Cut(1000, 1));
  EXPECT_EQ(later.Place(1, 5, false), Counts(10, 10));

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
    Job job(Roll(1000, 500), Cut(1000, 1));
    job.trialCount = c.trialCount;
    SeedRandom(3);
    EXPECT_EQ(job.Place(c.variant, c.trial), c.expected) << c.variant << " " << c.trial;
  }
}

TEST(PlaceCutBlock, CutLineRuleFollowsTheVariant) {
  // The usable area spans the whole width and length: variants 1, 2, 5, 6 cut across the
  // width, 3, 4, 7, 8 along the length.
  for (int16_t variant = 1; variant <= 8; ++variant) {
    Job job(Roll(1000, 500, 10), Cut(4));
    job.Place(variant);
    const AreaRecord& line = job.areas.back();
    ASSERT_EQ(line.TYPE, kCutLine) << variant;
    const bool across = variant == 1 || variant == 2 || variant == 5 || variant == 6;
    EXPECT_EQ(line.YS == line.YE, across) << variant;
  }
  // Away from M(L), variant 1 takes the length-line rule and variant 5 keeps the width-line
  // rule; the area spans the usable length but not the width.
  for (const int16_t variant : {1, 5}) {
    Job job(Roll(1000, 500, 10), Cut(4));
    job.areas.push_back(Rect(1, 10, 10, 100, 990));
    job.areas.push_back(Rect(kFreeArea, 100, 10, 490, 990));
    job.Place(variant, 1, true, 8);
    EXPECT_EQ(job.areas.back().TYPE == kCutLine, variant == 1) << variant;
  }
}

TEST(PlaceCutBlock, BlockIsCommittedAtTheSnappedCorner) {
  Job job(Roll(1000, 500, 10), Cut(1));
  job.areas[6].TYPE = kSpentArea;
  job.areas.push_back(Rect(kDeadArea, 10, 10, 200, 990));
  job.areas.push_back(Rect(kFreeArea, 200, 10, 490, 990));
  EXPECT_EQ(job.Place(1, 1, true, 8), Counts(1, 1));
  EXPECT_EQ(job.areas[9].XS, 10);
  EXPECT_EQ(job.areas[9].YS, 10);
}

TEST(PlaceCutBlock, CountsStayWithinTheSixteenBitRange) {
  // Copies 0.5 square: 200 fit across a side of 100, far more than 32767 along 20000. The
  // count the variant trims first gives way to keep nx * ny within 32767.
  const WorkCut tiny{0.5f, 0.5f, 1E6f, 0};
  Job tall(Roll(20000, 100), tiny);
  EXPECT_EQ(tall.Place(1), Counts(200, 163));
  EXPECT_EQ(tall.areas.size(), 7u + 200 * 163 + 3);  // copies, free areas, the cut line
  // A block of 1 x 32767 cannot be indexed once appended: the call fails.
  Job full(Roll(20000, 100), tiny);
  const Counts counts = full.Place(3);
  EXPECT_FALSE(counts.first >= 1 && counts.second >= 1);
  EXPECT_EQ(full.areas.size(), 7u);
}

}  // namespace
}  // namespace trimora
