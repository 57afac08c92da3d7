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

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The first line where the two files differ, for a message that says where to look.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  const auto want = Lines(expected);
  const auto got = Lines(actual);
  for (size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
    const std::string w = i < want.size() ? want[i] : "(end of file)";
    const std::string g = i < got.size() ? got[i] : "(end of file)";
    if (w != g) return "line " + std::to_string(i + 1) + ": expected " + w + ", got " + g;
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

}  // namespace
}  // namespace trimora
