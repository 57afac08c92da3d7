// Times whole optimization runs on the jobs under bench/jobs: wall time per run, trials per
// second, and the plan each run finds (which must not change when the engine gets faster).
//
//   trimora-bench [--runs N] [--threads N] [JOB.trm ...]
//
// --threads 0 (the default) uses every core, as the program does.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/temp_workdir.h"
#include "engine/optimization_run.h"
#include "storage/job_file.h"

namespace {

namespace fs = std::filesystem;
using namespace trimora;

struct Measure {
  double bestSeconds = 1e300;
  double totalSeconds = 0;
  RunResult result;
};

bool MeasureJob(const std::string& job, int runs, int threads, Measure& measure) {
  TempWorkDir workDir;
  if (!workDir.ok()) return false;
  JobWindows noWindows;
  OptimizeOptions options;
  if (!LoadJob(job, noWindows, options)) return false;
  for (int run = 0; run < runs; ++run) {
    RunControl quiet;
    const auto start = std::chrono::steady_clock::now();
    measure.result = RunOptimization(quiet, threads);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    measure.bestSeconds = std::min(measure.bestSeconds, seconds);
    measure.totalSeconds += seconds;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 3;
  int threads = 0;
  std::vector<std::string> jobs;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--threads" && i + 1 < argc) {
      threads = std::max(0, std::atoi(argv[++i]));
    } else {
      jobs.push_back(fs::absolute(arg).string());
    }
  }
  if (jobs.empty()) {
    for (const char* name : {"small", "medium", "large", "many_small"}) {
      jobs.push_back(std::string(TRIMORA_BENCH_JOBS) + "/" + name + ".trm");
    }
  }

  std::printf("%-16s %6s %9s %9s %12s %9s %7s\n", "job", "trials", "best s", "mean s",
              "trials/s", "yield", "layouts");
  for (const auto& job : jobs) {
    Measure measure;
    if (!MeasureJob(job, runs, threads, measure)) {
      std::fprintf(stderr, "trimora-bench: %s: cannot be read as a job file\n", job.c_str());
      return 1;
    }
    const RunResult& r = measure.result;
    std::printf("%-16s %6d %9.3f %9.3f %12.1f %9.6f %7d\n",
                fs::path(job).stem().string().c_str(), int(r.trialsRun), measure.bestSeconds,
                measure.totalSeconds / runs, double(r.trialsRun) / measure.bestSeconds,
                double(r.yield), int(r.layouts));
    std::fflush(stdout);
  }
  return 0;
}
