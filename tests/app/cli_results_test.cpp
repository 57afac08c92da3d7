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
  EXPECT_NE(run.out.find("\nMat=MS             Grade=S275          Thk=2\n"), std::string::npos);
  EXPECT_NE(run.out.find("\nLayout No. 1/"), std::string::npos);
  EXPECT_NE(run.out.find("\n1200     450      6        BACK PANEL    NORTHWIND     PLANT 2\n"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(run.out.find('\r'), std::string::npos);  // plain line ends on stdout

  const CliRun toFile = RunCli("report job/demo.trm -o report.tlf");
  EXPECT_EQ(toFile.status, 0) << toFile.out;
  EXPECT_EQ(toFile.out, "");
  const std::string file = ReadFile("report.tlf");
  EXPECT_NE(file.find("\r\nLayout No. 1/"), std::string::npos);  // CR LF in the file
  EXPECT_EQ(WithoutCr(file), run.out);
  EXPECT_EQ(FileCount(), 2u);  // job/ and report.tlf: nothing else in the current folder
}

TEST_F(CliResults, ReportShowsTheMeasureOfMiscSetBesideTheJob) {
  WriteFile("job/misc.set", "\"Area\"\r\n");
  const CliRun run = RunCli("report job/demo.trm");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("QtyUsed  Location      Area(SqUnits)\n"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("00000.00\n"), std::string::npos);  // the total is not zero
}

TEST_F(CliResults, OffcutsMarkScrapByScrapDatBesideTheJob) {
  const CliRun plain = RunCli("offcuts job/demo.trm");
  EXPECT_EQ(plain.status, 0) << plain.out;
  EXPECT_TRUE(plain.out.starts_with("1,")) << plain.out;
  EXPECT_EQ(plain.out.find("SCRAP"), std::string::npos);
  EXPECT_NE(plain.out.find(",\"\"\n"), std::string::npos);

  WriteFile("job/Scrap.dat", "\"50\",\"400\"\r\n");
  const CliRun scrap = RunCli("offcuts job/demo.trm -o offcut.tlf");
  EXPECT_EQ(scrap.status, 0) << scrap.out;
  const std::string file = ReadFile("offcut.tlf");
  EXPECT_NE(file.find(",\"SCRAP\"\r\n"), std::string::npos) << file;
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'),
            std::count(plain.out.begin(), plain.out.end(), '\n'));
}

TEST_F(CliResults, LabelsOfOneLayoutOrAll) {
  WriteFile("lbl.def", "\"3\",\"1\",\"30\",\"2\",\"1\"\r\n");
  const CliRun one = RunCli("labels job/demo.trm --layout 1 --def lbl.def");
  EXPECT_EQ(one.status, 0) << one.out;
  EXPECT_TRUE(one.out.starts_with("\n\nMat=MS Grade=S275 Thk=2       Mat=MS Grade=S275 Thk=2"))
      << one.out;
  const CliRun all = RunCli("labels -o labels.tlf --def lbl.def job/demo.trm");
  EXPECT_EQ(all.status, 0) << all.out;
  const std::string file = ReadFile("labels.tlf");
  EXPECT_GT(file.size(), one.out.size());
  EXPECT_TRUE(file.starts_with("\r\n\r\nMat=MS")) << file.substr(0, 100);

  // lbl.def beside the job is used when --def is not given.
  fs::copy_file("lbl.def", "job/LBL.DEF");
  EXPECT_EQ(RunCli("labels job/demo.trm --layout 1").out, one.out);
}

TEST_F(CliResults, LabelsNotDefined) {
  const CliRun run = RunCli("labels job/demo.trm");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out,
            "Labels are not defined. Define them with the Labels button of the launcher.\n");
  WriteFile("zero.def", "\"0\",\"1\",\"30\",\"2\",\"1\"\r\n");
  EXPECT_EQ(RunCli("labels job/demo.trm --def zero.def -o lbl.tlf").status, 2);
  EXPECT_FALSE(fs::exists("lbl.tlf"));
}

TEST_F(CliResults, NoSuchLayoutOrDefinitionFile) {
  WriteFile("lbl.def", "\"3\",\"1\",\"30\",\"2\",\"1\"\r\n");
  const CliRun run = RunCli("labels job/demo.trm --layout 999 --def lbl.def");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.starts_with("trimora-cli: --layout 999: the job has layouts 1 to "))
      << run.out;
  const CliRun missing = RunCli("labels job/demo.trm --def nothing.def");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "trimora-cli: nothing.def: no such file\n");
}

TEST_F(CliResults, AJobWithoutResultsWasNotOptimized) {
  for (const char* command : {"report", "offcuts", "labels"}) {
    const CliRun run =
        RunCli(std::string(command) + " '" + TRIMORA_EXAMPLES + "/demo.trm' -o out.txt");
    EXPECT_EQ(run.status, 2) << command;
    EXPECT_EQ(run.out, "This file was not optimized.\n") << command;
  }
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(CliResults, UnreadableInputGivesOneLineAndExitOne) {
  WriteFile("empty.trm", "");
  for (const char* command : {"report", "offcuts", "labels"}) {
    for (const char* name : {"empty.trm", "missing.trm"}) {
      const CliRun run = RunCli(std::string(command) + " " + name);
      EXPECT_EQ(run.status, 1) << command << " " << name;
      EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
      EXPECT_TRUE(run.out.starts_with(std::string("trimora-cli: ") + name + ": ")) << run.out;
    }
  }
  WriteFile("bad.trm",
            "[BASIC.TLF]\r\n[END]\r\n[OPTIONS.TLF]\r\n[END]\r\n[SHEET.TLF]\r\n[END]\r\n"
            "[CUT.TLF]\r\n[END]\r\n[DIA.TLF]\r\n1,-1,1,0\r\n[END]\r\n");
  const CliRun bad = RunCli("report bad.trm");
  EXPECT_EQ(bad.status, 1);
  EXPECT_TRUE(bad.out.starts_with("trimora-cli: bad.trm: layout results: ")) << bad.out;
}

TEST_F(CliResults, UsageErrors) {
  EXPECT_EQ(RunCli("report").status, 1);
  EXPECT_EQ(RunCli("report job/demo.trm --layout 1").status, 1);  // labels only
  EXPECT_EQ(RunCli("labels job/demo.trm --layout x").status, 1);
  EXPECT_EQ(RunCli("offcuts job/demo.trm job/demo.trm").status, 1);
  EXPECT_NE(RunCli("report").out.find("usage: trimora-cli"), std::string::npos);
}

}  // namespace
}  // namespace trimora
