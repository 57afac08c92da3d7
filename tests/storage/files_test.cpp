// Job files: Save, Load and Save As Defaults, the wildcards Exit cleans up with, and saves that
// a kill at any moment leaves whole.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "storage/file_utils.h"
#include "storage/job_file.h"
#include "storage/job_tables.h"
#include "storage/table_file.h"
#include "storage/text_file.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

// Records the order in which the job procedures ask the windows for their part.
class RecordingWindows : public JobWindows {
 public:
  std::string RefreshTablesForSave() override {
    calls += "refresh;";
    return "";
  }
  void RestoreActiveWindow() override { calls += "restore;"; }
  void CloseForLoad() override { calls += "close(" + ReadFile("cut.tlf") + ");"; }
  void ReopenAfterLoad() override { calls += "reopen(" + ReadFile("cut.tlf") + ");"; }
  std::string calls;
};

constexpr const char* kBasic = "\"MS\",\"S275\",\"2\",\"1250\",\"10\",\"5\",\"\"\r\n";
constexpr const char* kSheet = "\"2500\",\"1250\",\"\",\"10\",\"10\",\"10\",\"10\",\"BAY 4\"\r\n";
constexpr const char* kCut = "\"600\",\"300\",\"4\",\"0\",\"DOOR\",\"\",\"\"\r\n";
constexpr const char* kDia = "1,-1,1,0,0,1255,2400,1,0\r\n";

class JobFile : public testing::InWorkDir {
 protected:
  void WriteTables() {
    WriteFile("basic.tlf", kBasic);
    WriteFile("sheet.tlf", kSheet);
    WriteFile("cut.tlf", kCut);
    WriteFile("dia.tlf", kDia);
  }
  RecordingWindows windows;
};

TEST_F(JobFile, SaveWritesFiveSectionsInOrder) {
  WriteTables();
  ASSERT_TRUE(SaveJob("job.trm", {true, false}, windows));
  EXPECT_EQ(ReadFile("job.trm"), std::string("[BASIC.TLF]\r\n") + kBasic +
                                     "[END]\r\n[OPTIONS.TLF]\r\n-1,0\r\n[END]\r\n[SHEET.TLF]\r\n" +
                                     kSheet + "[END]\r\n[CUT.TLF]\r\n" + kCut +
                                     "[END]\r\n[DIA.TLF]\r\n" + kDia + "[END]\r\n");
  EXPECT_EQ(windows.calls, "refresh;restore;");
  // The save leaves no temporary file behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 6);
}

TEST_F(JobFile, EmptyAndMissingTablesGiveEmptySectionsAndLinesGetCrLf) {
  WriteFile("basic.tlf", "\"MS\"\n\"X\"");
  WriteFile("sheet.tlf", "");
  ASSERT_TRUE(SaveJob("job.trm", {false, true}, windows));
  EXPECT_EQ(ReadFile("job.trm"),
            "[BASIC.TLF]\r\n\"MS\"\r\n\"X\"\r\n[END]\r\n[OPTIONS.TLF]\r\n0,-1\r\n[END]\r\n"
            "[SHEET.TLF]\r\n[END]\r\n[CUT.TLF]\r\n[END]\r\n[DIA.TLF]\r\n[END]\r\n");
}

TEST_F(JobFile, SavingAsDefaultsEmptiesStockAndCutPieces) {
  WriteTables();
  ASSERT_TRUE(SaveJob("Defaults", {true, false}, windows));
  EXPECT_NE(ReadFile("Defaults").find("[SHEET.TLF]\r\n[END]\r\n[CUT.TLF]\r\n[END]\r\n"),
            std::string::npos);
  EXPECT_TRUE(IsFileEmpty("sheet.tlf") && IsFileEmpty("cut.tlf"));
  // Any other name keeps the tables.
  WriteTables();
  ASSERT_TRUE(SaveJob("defaults", {}, windows));
  EXPECT_EQ(ReadFile("cut.tlf"), kCut);
}

TEST_F(JobFile, LoadRestoresEveryTableAndTheOptions) {
  WriteTables();
  ASSERT_TRUE(SaveJob("job.trm", {false, true}, windows));
  WriteFile("basic.tlf", "changed\r\n");
  WriteFile("cut.tlf", "old\r\n");
  std::filesystem::remove("dia.tlf");
  windows.calls.clear();

  OptimizeOptions options{true, false};
  ASSERT_TRUE(LoadJob("job.trm", windows, options));
  EXPECT_EQ(ReadFile("basic.tlf"), kBasic);
  EXPECT_EQ(ReadFile("sheet.tlf"), kSheet);
  EXPECT_EQ(ReadFile("dia.tlf"), kDia);
  EXPECT_FALSE(options.maximumYield);
  EXPECT_TRUE(options.minimumLayouts);
  // The windows write their old rows before the load and show the new ones after it.
  EXPECT_EQ(windows.calls, std::string("close(old\r\n);reopen(") + kCut + ");");
}

TEST_F(JobFile, LoadRefusesNonJobFilesAndTakesMissingSectionsAsEmpty) {
  WriteTables();
  WriteFile("notes.txt", "BASIC.TLF\r\n[END]\r\n");
  WriteFile("empty.trm", "");
  OptimizeOptions options;
  mkfifo("pipe.trm", 0600);  // a pipe or a device could be read forever
  for (const char* name : {"notes.txt", "empty.trm", "missing.trm", "pipe.trm", "/dev/zero"}) {
    EXPECT_FALSE(LoadJob(name, windows, options).ok) << name;
  }
  EXPECT_EQ(windows.calls, "");
  EXPECT_EQ(ReadFile("cut.tlf"), kCut);
  // Two sections, the second without its [END]; the section headers are not examined.
  WriteFile("short.trm", "[BASIC.TLF]\r\n\"AL\"\r\n[END]\r\n[WHATEVER]\r\n-1,-1\r\n");
  ASSERT_TRUE(LoadJob("short.trm", windows, options));
  EXPECT_EQ(ReadFile("options.tlf"), "-1,-1\r\n");
  for (const char* table : {"sheet.tlf", "cut.tlf", "dia.tlf"}) {
    EXPECT_TRUE(FileExists(table) && IsFileEmpty(table)) << table;
  }
  // A section without its [END] ends where the next begins: the plan stays the plan.
  WriteFile("cut.trm",
            "[BASIC.TLF]\r\n[END]\r\n[OPTIONS.TLF]\r\n[END]\r\n[SHEET.TLF]\r\n[END]\r\n"
            "[CUT.TLF]\r\n\"600\",\"300\"\r\n[DIA.TLF]\r\n1,-1,1,0,0,1000,800,1,0\r\n[END]\r\n");
  ASSERT_TRUE(LoadJob("cut.trm", windows, options));
  EXPECT_EQ(ReadFile("cut.tlf"), "\"600\",\"300\"\r\n");
  EXPECT_EQ(ReadFile("dia.tlf"), "1,-1,1,0,0,1000,800,1,0\r\n");
}

// Settings, libraries and tables are read with the same guard as jobs: a pipe, a device or a
// file far larger than any the program writes is unreadable, never read forever.
TEST_F(JobFile, OnlyRegularFilesOfSaneSizeAreRead) {
  mkfifo("dia.set", 0600);
  WriteFile("mlm.dat", "");
  std::filesystem::resize_file("mlm.dat", kLargestTextFile + 1);
  for (const char* name : {"dia.set", "mlm.dat", "/dev/zero", "."}) {
    EXPECT_EQ(ReadLines(name), std::nullopt) << name;
  }
  std::filesystem::resize_file("mlm.dat", 3);
  EXPECT_EQ(ReadLines("mlm.dat"), std::vector<std::string>{std::string(3, '\0')});
}

TEST_F(JobFile, FailedSaveKeepsTheOldFileAndSaysWhy) {
  WriteTables();
  std::filesystem::create_directory("locked.trm");  // a target that cannot be replaced
  WriteFile("locked.trm/keep", "x");
  EXPECT_FALSE(SaveJob("locked.trm", {}, windows).error.empty());
  EXPECT_EQ(ReadFile("locked.trm/keep"), "x");
  EXPECT_FALSE(SaveJob("no/such/folder/job.trm", {}, windows).ok);
  // No half-written file is left next to the target.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 6);
}

// Exit's clean-up by wildcard is checked through the launcher.
TEST(WildcardMatch, StarAndQuestionMark) {
  EXPECT_TRUE(WildcardMatch("*.tlf", "dia.tlf"));
  EXPECT_TRUE(WildcardMatch("d?a.*", "DIA.TLF"));
  EXPECT_TRUE(WildcardMatch("*", "anything"));
  EXPECT_FALSE(WildcardMatch("*.tlf", "dia.tlf.bak"));
  EXPECT_FALSE(WildcardMatch("?.tlf", "ab.tlf"));
}

// --- A save killed at any moment leaves the old table or the new one, whole ---------------

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
