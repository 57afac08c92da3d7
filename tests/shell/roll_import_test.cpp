#include "shell/roll_import.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace trimora {
namespace {

using testing::WriteFile;

using RollImport = testing::InWorkDir;

constexpr const char* kLibrary =
    "\"AL\",\"A\",\"2\",\"1000\",\"500\",\"1\",\"BAY 9\"\r\n"
    "\"MS\",\"A\",\"2\",\"2500\",\"1250\",\"4\",\"BAY 1\"\r\n"
    "\"MS\",\"A\",\"2.0\",\"2000\",\"1000\",\"2\",\"SCRAP\"\r\n"
    "\"MS\",\"a\",\"2\",\"3000\",\"1500\",\"1\",\"BAY 2\"\r\n"
    "\"MS\",\"A\",\"3\",\"3000\",\"1500\",\"1\",\"BAY 3\"\r\n"
    "\"MS\",\"A\",\"2.0\",\"1200\",\"800\",\"\",\"scrap\"\r\n"
    "\"SS\",\"A\",\"2\",\"900\",\"900\",\"1\",\"BAY 5\"\r\n"
    "\"MS\",\"A\",\"2\",\"4000\",\"2000\",\"1\",\"BAY 7\"\r\n";

TEST_F(RollImport, TakesTheFirstBlockOfTheMaterialWithoutScrapOrOtherGrades) {
  WriteFile("mlm.dat", kLibrary);
  const std::vector<LibraryRoll> expected{{"2500", "1250", "4", "BAY 1"},
                                          {"1200", "800", "", "scrap"}};
  EXPECT_EQ(FindLibraryRolls("MS", "A", 2.0f), expected);
  EXPECT_TRUE(FindLibraryRolls("ms", "A", 2.0f).empty());
}

}  // namespace
}  // namespace trimora
