// Whole layouts grown block by block as a run grows them, on many generated jobs: whatever
// the variant, trial and quantities, no piece may leave the usable area or overlap another.

#include <gtest/gtest.h>

#include <random>

#include "area_records.h"
#include "engine/layout_bookkeeping.h"
#include "engine/layout_check.h"
#include "engine/place_cut_block.h"
#include "engine/random.h"

namespace trimora {
namespace {

struct Generated {
  WorkRolls rolls;
  WorkCuts cuts;
  float bladeReach;
};

Generated GenerateJob(std::mt19937& gen) {
  const auto between = [&](int lo, int hi) {
    return float(std::uniform_int_distribution<int>(lo, hi)(gen));
  };
  const float length = between(300, 3000);
  const float width = between(200, length < 1500 ? int(length) : 1500);
  Generated job;
  job.rolls = {{},
               {length, width, 1, between(0, 20), between(0, 20), between(0, 20), between(0, 20)}};
  job.cuts.resize(size_t(between(1, 6)) + 1);
  for (size_t i = 1; i < job.cuts.size(); ++i) {
    const float a = between(5, 700);
    const float b = between(5, 700);
    job.cuts[i] = {std::max(a, b), std::min(a, b), between(1, 60), between(0, 12) / 4};
  }
  job.bladeReach = between(100, 3500);
  return job;
}

// Fills the roll's usable area for one variant: random cuts first from trial 17 on, once the
// layout has its first block, then every cut in order; an area no cut fits becomes dead.
AreaList GrowLayout(const Generated& job, WorkCuts& cuts, int16_t variant, int32_t trial) {
  AreaList areas = testing::FreshRoll(job.rolls[1]);
  const int16_t cutCount = int16_t(cuts.size() - 1);
  bool first = true;
  const auto tryCut = [&](int16_t c, int16_t k) {
    if (cuts[size_t(c)].QTY <= 0) return false;
    int16_t nx = 0, ny = 0;
    PlaceCutBlock(nx, ny, cuts, c, areas, k, job.rolls, variant, trial, 99, first, job.bladeReach);
    return nx >= 1 && ny >= 1;
  };
  for (int16_t k = PickFreeArea(areas, variant); k != 0; k = PickFreeArea(areas, variant)) {
    bool placed = false;
    for (int16_t n = 0; !placed && trial >= 17 && !first && n < cutCount; ++n) {
      placed = tryCut(RandomInt(1, cutCount), k);
    }
    for (int16_t c = 1; !placed && c <= cutCount; ++c) placed = tryCut(c, k);
    if (placed) {
      first = false;
    } else {
      areas[size_t(k)].TYPE = kDeadArea;
    }
  }
  return areas;
}

TEST(LayoutGrowth, PiecesStayInsideTheUsableAreaAndNeverOverlap) {
  std::mt19937 gen(2000);
  int pieces = 0;
  for (int round = 0; round < 40; ++round) {
    const Generated job = GenerateJob(gen);
    for (const int32_t trial : {1, 9, 17, 80}) {
      SeedRandom(trial);
      for (int16_t variant = 1; variant <= 8; ++variant) {
        WorkCuts cuts = job.cuts;
        const AreaList areas = GrowLayout(job, cuts, variant, trial);
        ASSERT_EQ(CheckLayout(areas, job.rolls), "")
            << "round " << round << " trial " << trial << " variant " << variant;
        // Every copy taken from a cut's quantity is a piece of the layout.
        std::vector<float> placed(cuts.size(), 0);
        for (const AreaRecord& a : areas) {
          if (a.TYPE > 0) placed[size_t(a.TYPE)] += 1;
        }
        for (size_t c = 1; c < cuts.size(); ++c) {
          ASSERT_EQ(cuts[c].QTY, job.cuts[c].QTY - placed[c]) << "round " << round;
          pieces += int(placed[c]);
        }
      }
    }
  }
  EXPECT_GT(pieces, 2500);  // the jobs do place pieces
}

}  // namespace
}  // namespace trimora
