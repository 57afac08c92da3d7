// Times the engine on the jobs under bench/jobs: wall and CPU time per run, trials per second,
// and the plan each run finds (which must not change when the engine gets faster). Only the
// engine's own call is timed; reading the job and writing its results are not.
//
//   trimora-bench [--runs N] [--threads N] [--through-cuts-only] [JOB.trm ...]
//
// --threads 0 (the default) uses every core, as the program does. --through-cuts-only times
// the run that plans only layouts straight through-cuts take apart.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/temp_workdir.h"
#include "engine/layout_metrics.h"
#include "engine/search_effort.h"
#include "storage/job_file.h"

namespace {

namespace fs = std::filesystem;
using namespace trimora;

struct Measure {
  double bestSeconds = 1e300;
  double totalSeconds = 0;
  double bestCpuSeconds = 1e300;
  int32_t trials = 0;
  SolutionMeasures plan;
};

bool ReadJob(const std::string& path, EngineJob& job) {
  TempWorkDir workDir;
  if (!workDir.ok()) return false;
  JobWindows noWindows;
  OptimizeOptions options;
  if (!LoadJob(path, noWindows, options)) return false;
  return PrepareEngineJobFromTables(job).empty();
}

Measure MeasureJob(const EngineJob& job, int runs, int threads) {
  Measure measure;
  for (int run = 0; run < runs; ++run) {
    RunControl quiet;
    const std::clock_t cpuStart = std::clock();
    const auto start = std::chrono::steady_clock::now();
    const SearchOutcome outcome = OptimizeWithEffort(job, quiet, SearchEffort::kStandard, threads);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpuSeconds = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    measure.bestSeconds = std::min(measure.bestSeconds, seconds);
    measure.bestCpuSeconds = std::min(measure.bestCpuSeconds, cpuSeconds);
    measure.totalSeconds += seconds;
    measure.trials = outcome.trialsRun;
    measure.plan = SolutionMetrics(outcome.best.records);
  }
  return measure;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 3;
  int threads = 0;
  bool throughCutsOnly = false;
  std::vector<std::string> jobs;
  CLI::App program("Times the optimization of jobs, as the program runs it.", "trimora-bench");
  program.add_option("--runs", runs, "runs per job; the best time counts")
      ->check(CLI::Range(1, 1000));
  program.add_option("--threads", threads, "threads of the engine; 0 uses every core")
      ->check(CLI::Range(0, 1024));
  program.add_flag("--through-cuts-only", throughCutsOnly,
                   "only layouts straight through-cuts can take apart");
  program.add_option("JOB.trm", jobs, "jobs to time (default: those under bench/jobs)")
      ->transform([](const std::string& job) { return fs::absolute(job).string(); });
  CLI11_PARSE(program, argc, argv);
  if (jobs.empty()) {
    for (const char* name : {"small", "medium", "large", "many_small"}) {
      jobs.push_back(std::string(TRIMORA_BENCH_JOBS) + "/" + name + ".trm");
    }
  }
  const int shownThreads = threads > 0 ? threads : int(std::thread::hardware_concurrency());

  std::printf("%-16s %6s %7s %9s %9s %9s %10s %9s %7s\n", "job", "trials", "threads", "best s",
              "mean s", "cpu s", "trials/s", "yield", "layouts");
  for (const auto& path : jobs) {
    EngineJob job;
    if (!ReadJob(path, job)) {
      std::fprintf(stderr, "trimora-bench: %s: cannot be read as a job that may run\n",
                   path.c_str());
      return 1;
    }
    job.throughCutsOnly = throughCutsOnly;
    const Measure m = MeasureJob(job, runs, threads);
    std::printf("%-16s %6d %7d %9.3f %9.3f %9.3f %10.1f %9.6f %7d\n",
                fs::path(path).stem().string().c_str(), int(m.trials), shownThreads, m.bestSeconds,
                m.totalSeconds / runs, m.bestCpuSeconds, double(m.trials) / m.bestSeconds,
                double(m.plan.yield), int(m.plan.layouts));
    std::fflush(stdout);
  }
  return 0;
}
