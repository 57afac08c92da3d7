// trimora-cli's text commands, run as a user runs them: check, optimize, report, offcuts and
// labels.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "app/cli_run.h"
#include "test_support.h"

extern char** environ;

namespace trimora {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::ReadFile;
using testing::RunCli;
using testing::WriteFile;

size_t FileCount() { return size_t(std::distance(fs::directory_iterator("."), {})); }

constexpr const char* kJob =
    "[BASIC.TLF]\r\n\"MS\",\"\",\"2\",\"1300\",\"\",\"3\",\"\"\r\n[END]\r\n"
    "[OPTIONS.TLF]\r\n-1,0\r\n[END]\r\n"
    "[SHEET.TLF]\r\n\"2500\",\"1250\",\"\",\"10\",\"10\",\"10\",\"10\",\"BAY 1\"\r\n[END]\r\n"
    "[CUT.TLF]\r\n\"600\",\"300\",\"7\",\"0\",\"DOOR\",\"\",\"\"\r\n"
    "\"450\",\"450\",\"3\",\"1\",\"BASE\",\"\",\"\"\r\n[END]\r\n"
    "[DIA.TLF]\r\n1,-1,1,0,0,5,5,1,0\r\n[END]\r\n";

// Everything of a job file up to its [DIA.TLF] section.
std::string Tables(const std::string& job) { return job.substr(0, job.find("[DIA.TLF]")); }
std::string Results(const std::string& job) { return job.substr(job.find("[DIA.TLF]")); }

class CliOptimize : public testing::InWorkDir {
 protected:
  // Optimizes the demo, sends the signal once the run has started, and checks the stop.
  void StopWith(int signal);
};

TEST_F(CliOptimize, WritesTheJobWithItsNewResults) {
  WriteFile("job.trm", kJob);
  const CliRun run = RunCli("optimize job.trm -o out.trm");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("Optimization done.\n"), std::string::npos) << run.out;
  EXPECT_EQ(ReadFile("job.trm"), kJob);  // the input is left as it was

  const std::string out = ReadFile("out.trm");
  EXPECT_EQ(Tables(out), Tables(kJob));
  EXPECT_TRUE(Results(out).starts_with("[DIA.TLF]\r\n1,-1,1,0,0,1253,"));
  // Only the two job files: the tables were unpacked elsewhere.
  EXPECT_EQ(FileCount(), 2u);

  // The same job gives the same file, byte for byte; without -o the input is replaced.
  ASSERT_EQ(RunCli("optimize job.trm").status, 0);
  EXPECT_EQ(ReadFile("job.trm"), out);
  // A longer search writes the same job with a plan of its own.
  ASSERT_EQ(RunCli("optimize job.trm -o longer.trm --effort thorough").status, 0);
  EXPECT_EQ(Tables(ReadFile("longer.trm")), Tables(kJob));
  EXPECT_TRUE(Results(ReadFile("longer.trm")).starts_with("[DIA.TLF]\r\n1,-1,1,0,0,"));
}

// The demo's standard plan holds layouts that a saw which cannot stop mid-sheet cannot take
// apart; with --through-cuts-only every layout has its cut sequence.
TEST_F(CliOptimize, ThroughCutsOnlyPlansLayoutsTheSawCanTakeApart) {
  fs::copy_file(std::string(TRIMORA_EXAMPLES) + "/demo.trm", "demo.trm");
  ASSERT_EQ(RunCli("optimize demo.trm -o standard.trm").status, 0);
  ASSERT_EQ(RunCli("optimize demo.trm -o through.trm --through-cuts-only").status, 0);
  EXPECT_EQ(RunCli("cuts standard.trm").status, 4);
  const CliRun cuts = testing::RunCliKeepingStderrApart("cuts through.trm");
  EXPECT_EQ(cuts.status, 0) << cuts.err;
}

// A job refused by a start check keeps its old results and exits with 2; a run that found no
// plan says so and exits with 3.
std::string NoBladeJob() {
  std::string job = kJob;
  job.replace(job.find("\"1300\""), 6, "\"0\"");
  job.replace(job.find("\"3\",\"\"\r\n[END]"), 3, "\"0\"");
  return job;
}

// One sheet for seventy doors.
std::string TooLittleStockJob() {
  std::string job = kJob;
  job.replace(job.find("\"2500\",\"1250\",\"\""), 19, "\"2500\",\"1250\",\"1\"");
  job.replace(job.find("\"600\",\"300\",\"7\""), 17, "\"600\",\"300\",\"70\"");
  return job;
}

TEST_F(CliOptimize, RefusalAndNoPlanEachHaveTheirLineAndStatus) {
  const std::string noBlade = NoBladeJob(), tooLittle = TooLittleStockJob();
  std::string oversized = kJob;
  oversized.replace(oversized.find("\"450\",\"450\""), 13, "\"450\",\"1300\"");
  const struct {
    std::string job;
    int status;
    std::string line;
  } cases[] = {
      {noBlade, 2, "Wrong BLADE specfied.\nSet BLADE and KERF under Edit > Blade and Kerf...\n"},
      {oversized, 2, "Cut-piece 2 (1300 x 450) fits on no roll.\n"},
      {tooLittle, 3,
       "No plan met the whole demand: the stock ran out before every piece was placed.\n"},
  };
  for (const auto& c : cases) {
    WriteFile("job.trm", c.job);
    const CliRun run = RunCli("optimize job.trm -o out.trm");
    EXPECT_EQ(run.status, c.status) << run.out;
    EXPECT_NE(run.out.find(c.line), std::string::npos) << run.out;
    const std::string results = Results(ReadFile("out.trm"));
    EXPECT_EQ(results, c.status == 2 ? Results(c.job) : "[DIA.TLF]\r\n[END]\r\n");
  }
}

// Three jobs, two at a time: each has its line, the summary counts them, every output is in
// the folder, the inputs stay as they were, and the status is the highest of the three.
TEST_F(CliOptimize, ManyJobsEachGetTheirResultLineAndTheWorstStatus) {
  WriteFile("planned.trm", kJob);
  WriteFile("refused.trm", NoBladeJob());
  WriteFile("short.trm", TooLittleStockJob());
  const CliRun run = testing::RunCliKeepingStderrApart(
      "optimize planned.trm refused.trm short.trm --output-dir out --jobs 2 --threads 1");
  EXPECT_EQ(run.status, 3) << run.out << run.err;
  for (const char* line :
       {"planned.trm: planned, 2 layouts, stock area ",
        "refused.trm: refused (Wrong BLADE specfied.), ", "short.trm: no plan, ", "3 jobs, "}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n" << run.out;
  }
  EXPECT_NE(run.out.find(": 1 planned, 1 refused, 1 without a plan, 0 failed\n"), std::string::npos)
      << run.out;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 4) << run.out;
  EXPECT_EQ(ReadFile("planned.trm"), kJob);
  ASSERT_EQ(RunCli("optimize planned.trm -o alone.trm").status, 0);  // as when run alone
  EXPECT_EQ(ReadFile("out/planned.trm"), ReadFile("alone.trm"));
  EXPECT_EQ(ReadFile("out/refused.trm"), NoBladeJob());
  EXPECT_EQ(Results(ReadFile("out/short.trm")), "[DIA.TLF]\r\n[END]\r\n");
}

TEST_F(CliOptimize, UnwritableOutputExitsWithOne) {
  WriteFile("job.trm", kJob);
  const CliRun run = RunCli("optimize job.trm -o no/such/folder/out.trm");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("trimora-cli: no/such/folder/out.trm: "), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Optimization done."), std::string::npos) << run.out;  // said first
  EXPECT_EQ(ReadFile("job.trm"), kJob);
}

// Ctrl+C is the Stop button: the run ends after the trial under way and keeps its best plan.
// A request to terminate does the same, so the private working folder goes too. The command
// runs on a terminal of its own, so that its progress line says when the run has started,
// however fast or slow the machine.
TEST_F(CliOptimize, InterruptStopsTheRunAndKeepsTheBestPlan) {
  for (const int signal : {SIGINT, SIGTERM}) StopWith(signal);
}

void CliOptimize::StopWith(int signal) {
  SCOPED_TRACE(signal);
  std::filesystem::remove("out.trm");
  const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(terminal, 0);
  ASSERT_EQ(::grantpt(terminal), 0);
  ASSERT_EQ(::unlockpt(terminal), 0);
  const std::string demo = std::string(TRIMORA_EXAMPLES) + "/demo.trm";
  const char* argv[] = {TRIMORA_CLI, "optimize", demo.c_str(), "-o", "out.trm", nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, ::ptsname(terminal), O_RDWR, 0);
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, TRIMORA_CLI, &actions, nullptr, const_cast<char**>(argv), environ),
            0);
  posix_spawn_file_actions_destroy(&actions);

  std::string shown;
  char buffer[256];
  while (shown.find("Optimizing...") == std::string::npos) {
    const ssize_t n = ::read(terminal, buffer, sizeof buffer);
    ASSERT_GT(n, 0) << shown;
    shown.append(buffer, size_t(n));
  }
  ::kill(pid, signal);
  for (ssize_t n; (n = ::read(terminal, buffer, sizeof buffer)) > 0;)
    shown.append(buffer, size_t(n));
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ::close(terminal);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_NE(shown.find("Optimization Stopped. (Still results can be viewed)"), std::string::npos)
      << shown;
  EXPECT_EQ(Tables(ReadFile("out.trm")), Tables(ReadFile(demo)));
}

// --- check: the job as the run would read it, without running it -------------------------

class CliCheck : public testing::InWorkDir {};

// Ended by a signal while it works, a command still takes its private folder with it.
TEST_F(CliCheck, ASignalWhileItWorksLeavesNoFolderBehind) {
  std::string cuts;  // enough lines that ordering them takes seconds
  for (int i = 0; i < 32000; ++i)
    cuts += "\"" + std::to_string(200 + i % 500) + "\",\"100\",\"1\"\r\n";
  WriteFile("long.trm",
            "[BASIC.TLF]\r\n\"MS\",\"A\",\"2\",\"1550\"\r\n[END]\r\n[OPTIONS.TLF]\r\n[END]\r\n"
            "[SHEET.TLF]\r\n\"8000\",\"1000\"\r\n[END]\r\n[CUT.TLF]\r\n" +
                cuts + "[END]\r\n");
  std::filesystem::create_directory("tmp");
  const std::string tmp = "TMPDIR=" + std::filesystem::absolute("tmp").string();
  const char* argv[] = {TRIMORA_CLI, "check", "long.trm", nullptr};
  const char* env[] = {tmp.c_str(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, TRIMORA_CLI, &actions, nullptr, const_cast<char**>(argv),
                        const_cast<char**>(env)),
            0);
  posix_spawn_file_actions_destroy(&actions);
  while (std::filesystem::is_empty("tmp")) ::usleep(1000);  // its folder is made
  ::usleep(200000);                                         // and the job unpacked in it
  ::kill(pid, SIGTERM);
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);  // ended as the signal ends it
  EXPECT_TRUE(std::filesystem::is_empty("tmp"));
}

TEST_F(CliCheck, ListsTheDemoJobInTheEnginesOrder) {
  const CliRun run = RunCli(std::string("check '") + TRIMORA_EXAMPLES + "/demo.trm'");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("Blade reach: 1553 (BLADE 1550 + KERF 3)"), std::string::npos) << run.out;
  // The unlimited coil is the largest stock; the back panel the largest cut-piece.
  EXPECT_NE(run.out.find("  1   12003   1253  unlimited"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("   1    1203    453    6    1  BACK PANEL"), std::string::npos)
      << run.out;
  EXPECT_TRUE(run.out.ends_with("\nready\n"));
  EXPECT_TRUE(fs::is_empty("."));  // nothing unpacked into the current folder
}

TEST_F(CliCheck, StartCheckFailureListsTheChangedRowsAndExitsWithTwo) {
  WriteFile("odd.trm",
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
  EXPECT_EQ(FileCount(), 1u);
}

// --- report, offcuts and labels --------------------------------------------------------

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

TEST_F(CliResults, UnreadableInputGivesOneLineAndExitsOne) {
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
  // A plan that does not fit its job (another job's, or damaged) is refused, not printed.
  const std::string job =
      "[BASIC.TLF]\r\n\"MS\",\"A\",\"2\",\"1550\",\"10\",\"0\",\"\"\r\n[END]\r\n"
      "[OPTIONS.TLF]\r\n-1,0\r\n[END]\r\n"
      "[SHEET.TLF]\r\n\"8000\",\"1000\",\"5\",\"0\",\"0\",\"0\",\"0\",\"\"\r\n[END]\r\n"
      "[CUT.TLF]\r\n\"500\",\"300\",\"2\",\"0\",\"LID\",\"\",\"\"\r\n[END]\r\n[DIA.TLF]\r\n";
  for (const char* plan : {"1,-1,5,0,0,1000,800,1,0\r\n",                           // no sheet 5
                           "1,-1,1,0,0,1000,800,-3,0\r\n",                          // cut -3 times
                           "1,-1,1,0,0,1000,800,1,0\r\n1,7,1,0,0,300,500,1,1\r\n",  // no piece 7
                           "1,-1,1,0,0,1000,800,1,0\r\n0,1,1,0,0,300,500,1,1\r\n"}) {
    WriteFile("other.trm", job + plan + "[END]\r\n");
    for (const char* command : {"report other.trm", "draw other.trm --svg pictures"}) {
      const CliRun run = RunCli(command);
      EXPECT_EQ(run.status, 1) << command << " " << plan;
      EXPECT_NE(run.out.find("The layout results do not match this job."), std::string::npos)
          << run.out;
    }
  }
  // Output that cannot be written is a failure too, said on the error output.
  const CliRun full = testing::RunCliKeepingStderrApart("check job/demo.trm >/dev/full");
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("trimora-cli: standard output: cannot be written"), std::string::npos)
      << full.err;
}

// The plan leaves for other software as the library writes it; a cut list comes in, its bad
// rows named, and the old plan goes since it no longer fits the job.
TEST_F(CliResults, ExportAndImportCuts) {
  const CliRun exported = RunCli("export job/demo.trm --csv plan.csv --json plan.json");
  ASSERT_EQ(exported.status, 0) << exported.out;
  EXPECT_TRUE(ReadFile("plan.csv").starts_with("kind,layout,repeat,")) << ReadFile("plan.csv");
  EXPECT_NE(ReadFile("plan.json").find("\"totals\": {\"layouts\": "), std::string::npos);
  EXPECT_EQ(RunCli("export job/demo.trm --csv -").out, ReadFile("plan.csv"));

  WriteFile("cuts.csv", "Width;LENGTH;qty;Description\n300;600;2;\"shelf; top\"\n200;x;1;bad\n");
  const CliRun imported =
      testing::RunCliKeepingStderrApart("import-cuts job/demo.trm cuts.csv -o new.trm");
  EXPECT_EQ(imported.status, 1);  // a row was refused; the other is in
  EXPECT_EQ(imported.out, "Cut-pieces imported: 1, rows refused: 1\n");
  EXPECT_EQ(imported.err, "cuts.csv: Line 3: LENGTH must be a number of 0 or more.\n");
  EXPECT_NE(ReadFile("new.trm").find("\"SHELF; TOP\""), std::string::npos);
  EXPECT_EQ(RunCli("export new.trm --json x.json").status, 2);  // no plan any more
  EXPECT_EQ(RunCli("import-cuts job/demo.trm missing.csv").status, 1);
}

// The demo's plan holds layouts a panel saw can take apart and some it cannot: those are named
// on stderr, have no rows, and make the status 4; one separable layout alone is status 0.
TEST_F(CliResults, CutsForTheSawAndTheLayoutsItCannotCut) {
  const CliRun csv = testing::RunCliKeepingStderrApart("cuts job/demo.trm --csv cuts.csv");
  EXPECT_EQ(csv.status, 4);
  EXPECT_NE(csv.err.find("Layout 2 cannot be separated by straight through-cuts.\n"),
            std::string::npos)
      << csv.err;
  const std::string rows = ReadFile("cuts.csv");
  EXPECT_TRUE(rows.starts_with("layout,step,axis,position,from,to\n1,1,Y,")) << rows;
  EXPECT_EQ(rows.find("\n2,"), std::string::npos);
  const std::string text = RunCli("cuts job/demo.trm").out;
  EXPECT_NE(
      text.find("\nLayouts 2, 3, 5 not counted: straight through-cuts cannot separate them.\n"),
      std::string::npos)
      << text;

  const CliRun one = testing::RunCliKeepingStderrApart("cuts job/demo.trm --layout 1");
  EXPECT_EQ(one.status, 0) << one.err;
  EXPECT_TRUE(one.out.starts_with("Layout 1: ")) << one.out;
  EXPECT_EQ(one.out.find("Plan: "), std::string::npos);
  EXPECT_EQ(RunCli("cuts job/demo.trm --layout 1 --csv -").out.find("\n2,"), std::string::npos);
  EXPECT_EQ(RunCli("cuts job/demo.trm --layout 99").status, 1);
}

class CliUsage : public testing::InWorkDir {};

// --help and --version answer with 0; wrong arguments are a usage error (64) that shows the
// subcommand's usage, before any file is touched.
TEST_F(CliUsage, HelpVersionAndUsageErrors) {
  const CliRun help = RunCli("labels --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Usage: trimora-cli labels [OPTIONS] JOB.trm"), std::string::npos);
  const CliRun version = RunCli("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(version.out.starts_with("trimora-cli 0.")) << version.out;

  const struct {
    const char* args;
    const char* usage;  // the usage shown
  } errors[] = {{"", "trimora-cli [OPTIONS] SUBCOMMAND"},
                {"cut job.trm", "trimora-cli [OPTIONS] SUBCOMMAND"},
                {"check", "trimora-cli check"},
                {"check a.trm b.trm", "trimora-cli check"},
                {"report job.trm --layout 1", "trimora-cli report"},
                {"labels job.trm --layout x", "trimora-cli labels"},
                {"labels job.trm --layout 0", "trimora-cli labels"},
                {"labels job.trm -o a --pdf b", "trimora-cli labels"},
                {"draw job.trm", "trimora-cli draw"},
                {"draw job.trm --svg a --png b", "trimora-cli draw"},
                {"optimize a.trm b.trm -o c.trm", "trimora-cli optimize"},
                {"optimize a/x.trm b/x.trm --output-dir out", "trimora-cli optimize"},
                {"optimize a.trm --jobs 0", "trimora-cli optimize"},
                {"optimize a.trm --effort longer", "trimora-cli optimize"},
                {"export job.trm", "trimora-cli export"},
                {"import-cuts job.trm", "trimora-cli import-cuts"}};
  for (const auto& error : errors) {
    const CliRun run = testing::RunCliKeepingStderrApart(error.args);
    EXPECT_EQ(run.status, 64) << error.args;
    EXPECT_EQ(run.out, "") << error.args;
    EXPECT_TRUE(run.err.starts_with("trimora-cli: ")) << run.err;
    EXPECT_NE(run.err.find(std::string("Usage: ") + error.usage), std::string::npos) << run.err;
  }
  EXPECT_EQ(FileCount(), 0u);
}

}  // namespace
}  // namespace trimora
