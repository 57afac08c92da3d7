// trimora-cli draw, run as a user runs it.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "app/cli_run.h"
#include "test_support.h"

namespace trimora {
namespace {

namespace fs = std::filesystem;

using testing::CliRun;
const auto RunCli = testing::RunCliKeepingStderrApart;

size_t PdfPages(const std::string& path) {
  const std::string pdf = testing::ReadFile(path);
  const std::regex page("/Type\\s*/Page(?!s)");
  return size_t(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), {}));
}

// Two layouts of a 1000 wide rack: one 800 long, one 6000 long, each with one piece.
const char* const kJob =
    "[BASIC.TLF]\r\n\"MS\",\"A\",\"2\",\"1550\",\"10\",\"0\",\"TEST\"\r\n[END]\r\n"
    "[OPTIONS.TLF]\r\n-1,0\r\n[END]\r\n"
    "[SHEET.TLF]\r\n\"8000\",\"1000\",\"5\",\"0\",\"0\",\"0\",\"0\",\"RACK\"\r\n[END]\r\n"
    "[CUT.TLF]\r\n\"500\",\"300\",\"2\",\"0\",\"LID\",\"P\",\"S\"\r\n[END]\r\n"
    "[DIA.TLF]\r\n1,-1,1,0,0,1000,800,1,0\r\n1,1,1,0,0,300,500,1,1\r\n"
    "2,-1,1,0,0,1000,6000,1,0\r\n2,1,1,0,0,300,500,1,1\r\n[END]\r\n";

// dia.set with Sheet Dimensions on and the given printer scale.
std::string Settings(int printerScale) {
  return "0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n" + std::to_string(printerScale) +
         "\r\n";
}

class CliDraw : public testing::InWorkDir {
 protected:
  void SetUp() override {
    fs::create_directory("jobs");
    testing::WriteFile("jobs/rack.trm", kJob);
  }
};

TEST_F(CliDraw, PdfHasAPageForEachLayout) {
  CliRun run = RunCli("draw jobs/rack.trm --pdf out.pdf");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(PdfPages("out.pdf"), 2u);
  run = RunCli("draw jobs/rack.trm --pdf one.pdf --layout 1");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(PdfPages("one.pdf"), 1u);
}

// A drawing that cannot be put in place fails with the reason and leaves the old file whole.
TEST_F(CliDraw, AFailedWriteIsAnErrorAndKeepsTheOldFile) {
  const std::string old = std::string(250, 'x') + ".pdf";  // no room for a temporary beside it
  testing::WriteFile(old, "old");
  CliRun run = RunCli("draw jobs/rack.trm --pdf " + old);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.ends_with(": File name too long\n")) << run.err;
  EXPECT_EQ(testing::ReadFile(old), "old");
  for (const char* format : {"svg", "png"}) {
    const std::string taken = std::string("pictures/layout-1.") + format;
    fs::create_directories(taken);  // a folder where the picture would go
    run = RunCli(std::string("draw jobs/rack.trm --") + format + " pictures");
    EXPECT_EQ(run.status, 1) << format;
    EXPECT_NE(run.err.find(taken), std::string::npos) << run.err;
    EXPECT_TRUE(fs::is_directory(taken));
  }
}

TEST_F(CliDraw, PicturesArePerLayoutAndFollowTheSettings) {
  CliRun run = RunCli("draw jobs/rack.trm --png pictures");
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* name : {"pictures/layout-1.png", "pictures/layout-2.png"}) {
    EXPECT_TRUE(testing::ReadFile(name).starts_with("\x89PNG")) << name;
  }
  testing::WriteFile("sheet.set", Settings(1));
  run = RunCli("draw jobs/rack.trm --svg labelled --layout 1 --settings sheet.set");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(fs::exists("labelled/layout-2.svg"));
  const std::string svg = testing::ReadFile("labelled/layout-1.svg");
  EXPECT_NE(svg.find(">1000</text>"), std::string::npos);  // the sheet's width under it
  EXPECT_NE(svg.find(">800</text>"), std::string::npos);   // its used length beside it
}

}  // namespace
}  // namespace trimora
