// Job files: Save, Load and Save As Defaults, and the wildcard delete Exit cleans up with.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "storage/file_utils.h"
#include "storage/job_file.h"
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

// --- Deleting files by wildcard, as Exit cleans up -------------------------------------

class FileUtils : public testing::InWorkDir {};

TEST_F(FileUtils, DeleteFilesMatchesWildcardsWithoutRegardToCase) {
  for (const char* name : {"basic.tlf", "CUT.TLF", "sheets.Adj", "Defaults", "mlm.dat"}) {
    WriteFile(name, "x");
  }
  DeleteFiles("*.tlf");
  DeleteFiles("*.adj");
  DeleteFiles("nothing-matches.*");
  EXPECT_FALSE(FileExists("CUT.TLF") || FileExists("sheets.Adj"));
  EXPECT_TRUE(FileExists("Defaults") && FileExists("mlm.dat"));
}

TEST(WildcardMatch, StarAndQuestionMark) {
  EXPECT_TRUE(WildcardMatch("*.tlf", "dia.tlf"));
  EXPECT_TRUE(WildcardMatch("d?a.*", "DIA.TLF"));
  EXPECT_TRUE(WildcardMatch("*", "anything"));
  EXPECT_FALSE(WildcardMatch("*.tlf", "dia.tlf.bak"));
  EXPECT_FALSE(WildcardMatch("?.tlf", "ab.tlf"));
}

}  // namespace
}  // namespace trimora
