// Jobs that are refused before the run, naming what is wrong, and keep their results as they
// were. Those under tests/golden/refused once gave plans that put pieces outside the sheet, into
// slots smaller than themselves, or at sizes single precision cannot hold; the two golden jobs
// hold a cut-piece no trial could place, which used to end in "Optimization done." with no plan.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "engine/optimization_run.h"
#include "storage/job_file.h"
#include "test_support.h"

namespace trimora {
namespace {

TEST(RefusedJobs, NameWhatIsWrongAndRunNothing) {
  const std::filesystem::path dir = TRIMORA_GOLDEN;
  const std::pair<const char*, const char*> jobs[] = {
      {"refused/huge_sizes", "Sheet line 1: LENGTH must be a number from 0 to 16777216."},
      {"refused/neg_margins", "Sheet line 1: M(L) must be a number from 0 to 16777216."},
      {"refused/neg_kerf_small", "KERF must be a number from 0 to 16777216.\n"},
      {"refused/neg_kerf_pieces_vanish", "KERF must be a number from 0 to 16777216.\n"},
      {"orientation_code_never_placed", "Cut-piece 2 (400 x 200) fits on no roll."},
      {"piece_larger_than_sheets", "Cut-piece 2 (2600 x 1300) fits on no roll."},
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
    EXPECT_EQ(testing::ReadFile("dia.tlf"), "old results\r\n") << job;
  }
}

}  // namespace
}  // namespace trimora
