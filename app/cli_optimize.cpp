#include "app/cli_optimize.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <thread>

#include "app/cli_job.h"
#include "app/cli_progress.h"
#include "app/temp_workdir.h"
#include "engine/optimization_run.h"
#include "storage/job_file.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

namespace fs = std::filesystem;

struct JobPaths {
  std::string input;   // as typed
  std::string output;  // as typed; the input itself when it is written back
};

void PrintTotals(const RunResult& result) {
  std::fprintf(stderr, "Layouts: %d  Total stock area: %s  Yield: %.6f  Improvements: %d\n",
               int(result.layouts), StockAreaText(result.totalStockArea).c_str(),
               double(result.yield), int(result.improvements));
}

// The job's line of result: its name, what came of it, and the plan's figures.
void PrintResultLine(const std::string& job, int status, const RunResult& result, double seconds) {
  const char* const outcome[] = {"planned", "failed", "refused", "no plan"};
  std::string line = job + ": " + outcome[status];
  if (status == 0) {
    char figures[160];
    std::snprintf(figures, sizeof figures, ", %d layouts, stock area %s, yield %s",
                  int(result.layouts), StockAreaText(result.totalStockArea).c_str(),
                  YieldPercentText(result.yield).c_str());
    line += figures;
    if (result.message != kMessageDone) line += " (stopped)";
  } else if (status == 2) {
    line += " (" + result.message.substr(0, result.message.find('\n')) + ")";
  }
  char time[32];
  std::snprintf(time, sizeof time, ", %.1f s", seconds);
  std::cout << line << time << std::endl;
}

// One job in a private working folder. verbose: the progress line and the final messages on
// stderr, as for a single job.
int OptimizeJob(const JobPaths& job, const OptimizeRequest& request, int threads, bool verbose) {
  const auto start = std::chrono::steady_clock::now();
  const std::string input = AbsolutePath(job.input);
  const std::string output = AbsolutePath(job.output);
  TempWorkDir workDir;
  if (!workDir.ok()) {
    std::cerr << "trimora-cli: " << workDir.error() << '\n';
    return 1;
  }
  RunResult result;
  const auto finish = [&](int status) {
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    PrintResultLine(job.input, status, result, seconds.count());
    return status;
  };
  OptimizeOptions options;
  if (!OpenJobForCli(input, job.input, options)) return finish(1);
  // Found out now, not after the whole run.
  if (std::string error; !CanReplaceFile(output, &error)) {
    std::cerr << "trimora-cli: " << job.output << ": " << error << '\n';
    return finish(1);
  }

  CliProgress progress(verbose && ::isatty(STDERR_FILENO) == 1);
  result = RunOptimization(progress, threads, request.effort, request.throughCutsOnly);
  progress.Finish();
  if (verbose) {
    std::fprintf(stderr, "%s\n", result.message.c_str());
    if (result.planFound && result.resultsWritten) PrintTotals(result);
  }
  if (!result.startCheckFailed && !result.resultsWritten) {
    std::cerr << "trimora-cli: " << job.input
              << ": dia.tlf: cannot be written: " << result.writeError << '\n';
    return finish(1);
  }

  JobWindows noWindows;
  const JobFileResult saved = SaveJob(output, options, noWindows);
  if (!saved) {
    std::cerr << "trimora-cli: " << job.output << ": " << saved.error << '\n';
    return finish(1);
  }
  if (result.startCheckFailed) return finish(2);
  return finish(result.planFound ? 0 : 3);
}

volatile sig_atomic_t batchStopped = 0;

// A stop typed at the terminal reaches every job by itself; one sent to this process alone is
// passed on to the jobs under way.
volatile sig_atomic_t signalToPassOn = 0;

extern "C" void OnBatchStop(int signal, siginfo_t* info, void*) {
  batchStopped = 1;
  if (info->si_code == SI_USER || info->si_code == SI_QUEUE) signalToPassOn = signal;
}

// Several jobs: each runs in a process of its own (the optimization works in its process's
// current folder), at most request.parallelJobs at once.
int RunBatch(const std::vector<JobPaths>& jobs, const OptimizeRequest& request, int threads) {
  const auto start = std::chrono::steady_clock::now();
  struct sigaction action {};
  action.sa_sigaction = OnBatchStop;
  action.sa_flags = SA_SIGINFO;
  sigemptyset(&action.sa_mask);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);

  std::map<pid_t, size_t> running;
  std::vector<int> status(jobs.size(), -1);
  size_t next = 0;
  while (running.size() > 0 || (next < jobs.size() && !batchStopped)) {
    while (running.size() < size_t(request.parallelJobs) && next < jobs.size() && !batchStopped) {
      std::cout.flush();
      const pid_t child = ::fork();
      if (child == 0) {
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) ::signal(signal, SIG_DFL);
        const int jobStatus = OptimizeJob(jobs[next], request, threads, false);
        std::cout.flush();
        ::_exit(jobStatus);
      }
      if (child < 0) {
        std::cerr << "trimora-cli: " << jobs[next].input << ": cannot be started\n";
        status[next++] = 1;
        continue;
      }
      running[child] = next++;
    }
    int childStatus = 0;
    const pid_t done = ::waitpid(-1, &childStatus, 0);
    if (signalToPassOn) {
      for (const auto& [pid, job] : running) ::kill(pid, signalToPassOn);
      signalToPassOn = 0;
    }
    if (done <= 0) continue;  // interrupted by a signal
    const size_t job = running[done];
    running.erase(done);
    status[job] = WIFEXITED(childStatus) ? WEXITSTATUS(childStatus) : 1;
    if (!WIFEXITED(childStatus)) {
      std::cout << jobs[job].input << ": failed (ended by signal " << WTERMSIG(childStatus) << ")"
                << std::endl;
    }
  }

  int counts[4] = {};
  size_t notStarted = 0;
  for (const int s : status) {
    if (s < 0)
      ++notStarted;
    else
      ++counts[std::clamp(s, 0, 3)];
  }
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::printf("%zu jobs, %.1f s: %d planned, %d refused, %d without a plan, %d failed", jobs.size(),
              seconds.count(), counts[0], counts[2], counts[3], counts[1]);
  if (notStarted > 0) std::printf(", %zu not started (stopped)", notStarted);
  std::printf("\n");
  const int worst = *std::max_element(status.begin(), status.end());
  return std::max(worst, 0);
}

}  // namespace

int RunOptimizeCommand(const OptimizeRequest& request) {
  std::vector<JobPaths> jobs;
  for (const std::string& input : request.jobs) {
    std::string output = input;
    if (!request.output.empty()) output = request.output;
    if (!request.outputDir.empty()) {
      output = (fs::path(request.outputDir) / fs::path(input).filename()).string();
    }
    jobs.push_back({input, output});
  }
  if (!request.outputDir.empty()) {
    std::error_code ec;
    fs::create_directories(request.outputDir, ec);
    if (!fs::is_directory(request.outputDir, ec)) {
      std::cerr << "trimora-cli: " << request.outputDir << ": cannot make the folder\n";
      return 1;
    }
  }
  if (jobs.size() == 1) return OptimizeJob(jobs.front(), request, request.threads, true);

  int threads = request.threads;
  if (threads == 0) {
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    threads = std::max(1, cores / request.parallelJobs);
  }
  return RunBatch(jobs, request, threads);
}

}  // namespace trimora
