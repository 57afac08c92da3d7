#pragma once

#include <string>
#include <vector>

#include "engine/search_effort.h"

namespace trimora {

// `trimora-cli optimize JOB.trm... [-o OUT.trm | --output-dir DIR] [--jobs N] [--threads N]
// [--effort standard|thorough|exhaustive] [--through-cuts-only]`.
struct OptimizeRequest {
  std::vector<std::string> jobs;
  std::string output;     // -o: the one job's output; empty to write it back
  std::string outputDir;  // --output-dir: every job's output goes there under its own name
  int parallelJobs = 1;   // --jobs: how many jobs run at once
  int threads = 0;        // --threads: the engine's threads per job; 0 shares the cores out
  SearchEffort effort = SearchEffort::kStandard;  // --effort
  bool throughCutsOnly = false;                   // --through-cuts-only
};

// Runs the optimization on every job and writes each back (to its output) with the new layout
// results, one line of result per job on stdout and, for several jobs, a summary. Ctrl+C stops
// the jobs under way after their current trial, keeps their best plans and starts no further
// job. Exit status, the highest of the jobs': 0 a plan was written, 1 the input could not be
// read or the output not written, 2 a start check refused the job, 3 no plan was found.
int RunOptimizeCommand(const OptimizeRequest& request);

}  // namespace trimora
