// The plans of the jobs under tests/golden, byte for byte. Each NAME.trm there has the
// dia.tlf its optimization must give in NAME.dia, made once and never remade: a faster or
// tidier engine must still give exactly these plans.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "engine/optimization_run.h"
#include "storage/job_file.h"
#include "test_support.h"

namespace trimora {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;

std::vector<std::string> GoldenJobs() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(TRIMORA_GOLDEN)) {
    if (entry.path().extension() == ".trm") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The first line where the two files differ, for a message that says where to look.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  std::istringstream want(expected), got(actual);
  for (int line = 1; want || got; ++line) {
    std::string w, g;
    if (!std::getline(want, w)) w = "(end of file)";
    if (!std::getline(got, g)) g = "(end of file)";
    if (w != g) return "line " + std::to_string(line) + ": expected " + w + ", got " + g;
  }
  return "line ends differ";
}

class GoldenPlan : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenPlan, IsExactlyTheRecordedOne) {
  const fs::path dir = TRIMORA_GOLDEN;
  const std::string job = GetParam();
  testing::ScopedWorkDir workDir;
  JobWindows noWindows;
  OptimizeOptions options;
  ASSERT_TRUE(LoadJob((dir / (job + ".trm")).string(), noWindows, options).ok) << job;

  RunControl quiet;
  const RunResult result = RunOptimization(quiet);
  // A job no trial could plan is refused before the run and keeps its (empty) results.
  ASSERT_TRUE(result.resultsWritten || result.startCheckFailed) << job << ": " << result.writeError;

  const std::string expected = ReadFile((dir / (job + ".dia")).string());
  const std::string actual = ReadFile("dia.tlf");
  EXPECT_TRUE(actual == expected) << job
                                  << " gives another plan: " << FirstDifference(expected, actual);
}

INSTANTIATE_TEST_SUITE_P(Jobs, GoldenPlan, ::testing::ValuesIn(GoldenJobs()),
                         [](const auto& info) { return info.param; });

// Jobs under tests/golden/refused once gave plans that put pieces outside the sheet, into
// slots smaller than themselves, or at sizes single precision cannot hold; they are now refused
// before the run, naming the field and its line, and keep their results as they were.
TEST(RefusedJobs, NameTheFieldAndRunNothing) {
  const fs::path dir = fs::path(TRIMORA_GOLDEN) / "refused";
  const std::pair<const char*, const char*> jobs[] = {
      {"huge_sizes", "Sheet line 1: LENGTH must be a number from 0 to 16777216."},
      {"neg_margins", "Sheet line 1: M(L) must be a number from 0 to 16777216."},
      {"neg_kerf_small", "KERF must be a number from 0 to 16777216.\n"},
      {"neg_kerf_pieces_vanish", "KERF must be a number from 0 to 16777216.\n"},
  };
  for (const auto& [job, message] : jobs) {
    testing::ScopedWorkDir workDir;
    JobWindows noWindows;
    OptimizeOptions options;
    ASSERT_TRUE(LoadJob((dir / (std::string(job) + ".trm")).string(), noWindows, options).ok);
    testing::WriteFile("dia.tlf", "old results\r\n");
    RunControl quiet;
    const RunResult result = RunOptimization(quiet);
    EXPECT_TRUE(result.startCheckFailed) << job;
    EXPECT_TRUE(result.message.starts_with(message)) << job << ": " << result.message;
    EXPECT_EQ(ReadFile("dia.tlf"), "old results\r\n") << job;
  }
}

}  // namespace
}  // namespace trimora
