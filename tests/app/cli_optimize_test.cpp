// trimora-cli optimize, run as a user runs it.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/cli_run.h"
#include "test_support.h"

extern char** environ;

namespace trimora {
namespace {

using testing::CliRun;
using testing::ReadFile;
using testing::RunCli;
using testing::WriteFile;

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
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 2);

  // The same job gives the same file, byte for byte; without -o the input is replaced.
  ASSERT_EQ(RunCli("optimize job.trm").status, 0);
  EXPECT_EQ(ReadFile("job.trm"), out);
}

// A job refused by a start check keeps its old results and exits with 2; a run that found no
// plan says so and exits with 3.
TEST_F(CliOptimize, RefusalAndNoPlanEachHaveTheirLineAndStatus) {
  std::string noBlade = kJob;
  noBlade.replace(noBlade.find("\"1300\""), 6, "\"0\"");
  noBlade.replace(noBlade.find("\"3\",\"\"\r\n[END]"), 3, "\"0\"");
  std::string oversized = kJob;
  oversized.replace(oversized.find("\"450\",\"450\""), 13, "\"450\",\"1300\"");
  std::string tooLittle = kJob;
  tooLittle.replace(tooLittle.find("\"2500\",\"1250\",\"\""), 19, "\"2500\",\"1250\",\"1\"");
  tooLittle.replace(tooLittle.find("\"600\",\"300\",\"7\""), 17, "\"600\",\"300\",\"70\"");
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

TEST_F(CliOptimize, UnreadableInputOrUnwritableOutputExitsWithOne) {
  WriteFile("job.trm", kJob);
  for (const char* args : {"notes.txt -o out.trm", "job.trm -o no/such/folder/out.trm"}) {
    const CliRun run = RunCli(std::string("optimize ") + args);
    EXPECT_EQ(run.status, 1) << args;
    EXPECT_NE(run.out.find("trimora-cli: "), std::string::npos) << run.out;
  }
  EXPECT_FALSE(std::filesystem::exists("out.trm"));
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

}  // namespace
}  // namespace trimora
