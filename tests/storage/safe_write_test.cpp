// A save killed at any moment leaves the old table or the new one, whole.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "storage/job_tables.h"
#include "storage/table_file.h"
#include "storage/text_file.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::ReadFile;

Grid CutPieces(const char* description, int rows) {
  Grid grid = MakeTableGrid(CutPieceTable());
  grid.SetRowCount(rows + 1);
  for (int r = 1; r <= rows; ++r) {
    grid.SetText(r, 1, std::to_string(r));
    grid.SetText(r, 5, description);
  }
  return grid;
}

class SafeWrites : public testing::InWorkDir {};

TEST_F(SafeWrites, AKilledSaveLeavesTheOldTableOrTheNewOneWhole) {
  const Grid before = CutPieces("OLD", 40000), after = CutPieces("NEW", 40000);
  ASSERT_TRUE(SaveGridToTableFile(after));
  const std::string whole = ReadFile("cut.tlf");
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    ASSERT_TRUE(SaveGridToTableFile(before));
    const std::string old = ReadFile("cut.tlf");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      SaveGridToTableFile(after);
      _exit(0);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const std::string now = ReadFile("cut.tlf");
    EXPECT_TRUE(now == old || now == whole) << "round " << round << ": " << now.size() << " bytes";
  }
  // What the killed saves left beside the table goes with the next save.
  ASSERT_TRUE(SaveGridToTableFile(after));
  for (const auto& entry : std::filesystem::directory_iterator("."))
    EXPECT_FALSE(entry.path().filename().string().starts_with("cut.tlf.new")) << entry.path();
}

TEST_F(SafeWrites, ALinkedFileIsReplacedAndTheLinkStays) {
  testing::WriteFile("real.tlf", "old\r\n");
  std::filesystem::create_symlink("real.tlf", "link.tlf");
  ASSERT_TRUE(ReplaceFileSafely("link.tlf", "new\r\n"));
  EXPECT_TRUE(std::filesystem::is_symlink("link.tlf"));
  EXPECT_EQ(ReadFile("real.tlf"), "new\r\n");
}

}  // namespace
}  // namespace trimora
