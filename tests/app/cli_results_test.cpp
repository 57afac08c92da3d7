// trimora-cli report, offcuts and labels, run as a user runs them.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "app/cli_run.h"
#include "test_support.h"

namespace trimora {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::WriteFile;

using testing::CliRun;
using testing::RunCli;

size_t FileCount() { return size_t(std::distance(fs::directory_iterator("."), {})); }

std::string WithoutCr(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  return text;
}

// Each test copies the optimized demo job into its own folder, so that settings files can be
// put beside it.
class CliResults : public testing::InWorkDir {
 protected:
  void SetUp() override {
    fs::create_directory("job");
    fs::copy_file(std::string(TRIMORA_EXAMPLES) + "/demo-optimized.trm", "job/demo.trm");
  }
};

TEST_F(CliResults, ReportToStdoutAndToAFile) {
  const CliRun run = RunCli("report job/demo.trm");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(run.out.starts_with("Total Layouts=")) << run.out;
  EXPECT_NE(run.out.find("\n1200     450      6        BACK PANEL    NORTHWIND     PLANT 2\n"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(run.out.find('\r'), std::string::npos);  // plain line ends on stdout

  const CliRun toFile = RunCli("report job/demo.trm -o report.tlf");
  EXPECT_EQ(toFile.status, 0) << toFile.out;
  EXPECT_EQ(toFile.out, "");
  const std::string file = ReadFile("report.tlf");
  EXPECT_NE(file.find("\r\n"), std::string::npos);  // CR LF in the file
  EXPECT_EQ(WithoutCr(file), run.out);
  EXPECT_EQ(FileCount(), 2u);  // job/ and report.tlf: nothing else in the current folder
}

TEST_F(CliResults, OffcutsMarkScrapByScrapDatBesideTheJob) {
  const CliRun plain = RunCli("offcuts job/demo.trm");
  EXPECT_EQ(plain.status, 0) << plain.out;
  EXPECT_TRUE(plain.out.starts_with("1,")) << plain.out;
  EXPECT_EQ(plain.out.find("SCRAP"), std::string::npos);

  WriteFile("job/Scrap.dat", "\"50\",\"400\"\r\n");
  const CliRun scrap = RunCli("offcuts job/demo.trm -o offcut.tlf");
  EXPECT_EQ(scrap.status, 0) << scrap.out;
  const std::string file = ReadFile("offcut.tlf");
  EXPECT_NE(file.find(",\"SCRAP\"\r\n"), std::string::npos) << file;
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'),
            std::count(plain.out.begin(), plain.out.end(), '\n'));
}

TEST_F(CliResults, LabelsOfOneLayoutOrAllWithTheDefinitionBesideTheJob) {
  WriteFile("lbl.def", "\"3\",\"1\",\"30\",\"2\",\"1\"\r\n");
  const CliRun one = RunCli("labels job/demo.trm --layout 1 --def lbl.def");
  EXPECT_EQ(one.status, 0) << one.out;
  EXPECT_TRUE(one.out.starts_with("\n\nMat=MS Grade=S275 Thk=2       Mat=MS Grade=S275 Thk=2"))
      << one.out;
  const CliRun all = RunCli("labels -o labels.tlf --def lbl.def job/demo.trm");
  EXPECT_EQ(all.status, 0) << all.out;
  EXPECT_GT(ReadFile("labels.tlf").size(), one.out.size());
  fs::copy_file("lbl.def", "job/LBL.DEF");
  EXPECT_EQ(RunCli("labels job/demo.trm --layout 1").out, one.out);
}

TEST_F(CliResults, NotOptimizedOrLabelsNotDefinedExitWithTwo) {
  for (const char* command : {"report", "offcuts", "labels"}) {
    const CliRun run =
        RunCli(std::string(command) + " '" + TRIMORA_EXAMPLES + "/demo.trm' -o out.txt");
    EXPECT_EQ(run.status, 2) << command;
    EXPECT_EQ(run.out, "This file was not optimized.\n") << command;
  }
  const CliRun run = RunCli("labels job/demo.trm -o lbl.tlf");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out,
            "Labels are not defined. Define them with the Labels button of the launcher.\n");
  EXPECT_EQ(FileCount(), 1u);  // nothing written
}

TEST_F(CliResults, UnreadableInputOrBadArgumentsGiveOneLineAndExitOne) {
  WriteFile("bad.trm",
            "[BASIC.TLF]\r\n[END]\r\n[OPTIONS.TLF]\r\n[END]\r\n[SHEET.TLF]\r\n[END]\r\n"
            "[CUT.TLF]\r\n[END]\r\n[DIA.TLF]\r\n1,-1,1,0\r\n[END]\r\n");
  const struct {
    const char* args;
    const char* start;
  } cases[] = {
      {"offcuts missing.trm", "trimora-cli: missing.trm: "},
      {"report bad.trm", "trimora-cli: bad.trm: layout results: "},
      {"labels job/demo.trm --layout 999", "trimora-cli: --layout 999: the job has layouts 1 to "},
      {"labels job/demo.trm --def nothing.def", "trimora-cli: nothing.def: no such file\n"}};
  for (const auto& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, 1) << c.args;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
    EXPECT_TRUE(run.out.starts_with(c.start)) << run.out;
  }
  for (const char* usage :
       {"report", "report job/demo.trm --layout 1", "labels job/demo.trm --layout x"}) {
    const CliRun run = RunCli(usage);
    EXPECT_EQ(run.status, 1) << usage;
    EXPECT_NE(run.out.find("usage: trimora-cli"), std::string::npos) << usage;
  }
}

}  // namespace
}  // namespace trimora
