// trimora-cli check, run as a user runs it.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "app/cli_run.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::CliRun;
using testing::RunCli;

class CliCheck : public testing::InWorkDir {};

TEST_F(CliCheck, ListsTheDemoJobInTheEnginesOrder) {
  const CliRun run = RunCli(std::string("check '") + TRIMORA_EXAMPLES + "/demo.trm'");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("Blade reach: 1553 (BLADE 1550 + KERF 3)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Goal: Maximum Yield"), std::string::npos);
  // The unlimited coil is the largest stock; the back panel the largest cut-piece.
  EXPECT_NE(run.out.find("  1   12003   1253  unlimited"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("   1    1203    453    6    1  BACK PANEL"), std::string::npos)
      << run.out;
  EXPECT_TRUE(run.out.ends_with("\nready\n"));
  EXPECT_TRUE(std::filesystem::is_empty("."));  // nothing unpacked into the current folder
}

TEST_F(CliCheck, StartCheckFailureListsTheChangedRowsAndExitsWithTwo) {
  testing::WriteFile("odd.trm",
                     "[BASIC.TLF]\r\n\"MS\",\"\",\"\",\"1000\",\"\",\"0\",\"\"\r\n[END]\r\n"
                     "[OPTIONS.TLF]\r\n0,0\r\n[END]\r\n[SHEET.TLF]\r\n"
                     "\"2000\",\"1500\",\"1\",\"0\",\"0\",\"0\",\"0\",\"\"\r\n[END]\r\n"
                     "[CUT.TLF]\r\n\"100\",\"50\",\"2.5\",\"0\",\"\",\"\",\"\"\r\n[END]\r\n");
  const CliRun run = RunCli("check odd.trm");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.out.find("Roll Specifications row 1: dropped: wider than the BLADE"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("Cut-Piece row 1: QTY 2.5 taken as 3"), std::string::npos);
  EXPECT_TRUE(
      run.out.ends_with("\nNo valid SHEETS specified.\nEvery roll is wider than BLADE. "
                        "Set BLADE and KERF under Edit > Blade and Kerf...\n"))
      << run.out;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}

TEST_F(CliCheck, UnreadableFilesGiveOneLineAndExitOne) {
  const CliRun run = RunCli("check missing.trm");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
  EXPECT_TRUE(run.out.starts_with("trimora-cli: missing.trm: ")) << run.out;
  EXPECT_EQ(RunCli("check").status, 1);
  // Output that cannot be written is a failure too, said on the error output.
  const std::string demo = std::string(TRIMORA_EXAMPLES) + "/demo.trm";
  const CliRun full = testing::RunCliKeepingStderrApart("check '" + demo + "' >/dev/full");
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("trimora-cli: standard output: cannot be written"), std::string::npos)
      << full.err;
}

}  // namespace
}  // namespace trimora
