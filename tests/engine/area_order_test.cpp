#include "engine/area_order.h"

#include <gtest/gtest.h>

namespace trimora {
namespace {

// Rolls 1 wide with the given lengths, so the areas are the lengths; LOCATION names each.
RollList RollsOfAreas(const std::vector<float>& areas) {
  RollList rolls(1);
  for (size_t i = 0; i < areas.size(); ++i) {
    RollRecord roll;
    roll.LENGTH = areas[i];
    roll.WIDTH = 1;
    roll.LOCATION = std::to_string(i + 1);
    rolls.push_back(roll);
  }
  return rolls;
}

std::string Locations(const RollList& rolls) {
  std::string order;
  for (size_t i = 1; i < rolls.size(); ++i) order += rolls[i].LOCATION;
  return order;
}

TEST(SortByAreaDescending, OnePassPerGapAndEqualAreasKeepTheirOrder) {
  const struct {
    std::vector<float> areas;
    std::string order;  // the rolls' original positions, sorted
  } cases[] = {
      {{1, 2, 3}, "321"},
      // For gap 2, (n + 1) / gap = 2.5 rounds to 2: only one block is compared.
      {{1, 3, 2, 4}, "4321"},
      {{5, 5, 5}, "123"},
      // A larger roll passes them; the two equal ones stay in order behind it.
      {{5, 5, 9}, "321"},
  };
  for (const auto& c : cases) {
    RollList rolls = RollsOfAreas(c.areas);
    SortListByAreaDescending(rolls);
    EXPECT_EQ(Locations(rolls), c.order);
  }
}

TEST(SortByAreaDescending, AreaWithSizesOfBothLists) {
  RollList noRolls(1);
  CutList cuts(1);
  for (auto [length, width] : {std::pair{600.f, 300.f}, {1000.f, 500.f}, {450.f, 450.f}}) {
    CutRecord cut;
    cut.LENGTH = length;
    cut.WIDTH = width;
    cuts.push_back(cut);
  }
  SortByAreaDescending(noRolls, cuts);
  EXPECT_EQ(noRolls.size(), 1u);  // an empty list is left alone
  EXPECT_EQ(cuts[1].LENGTH, 1000);
  EXPECT_EQ(cuts[2].LENGTH, 450);
  EXPECT_EQ(cuts[3].LENGTH, 600);
}

}  // namespace
}  // namespace trimora
