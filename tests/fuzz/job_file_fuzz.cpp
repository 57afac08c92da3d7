// A job file as trimora-cli opens it: the sections unpacked into the tables, the start checks
// the engine would make, and the layout results read back and checked against the job.

#include "engine/optimize.h"
#include "fuzz_workdir.h"
#include "results/results_model.h"
#include "storage/job_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace trimora;
  fuzz::EnterPrivateFolder();
  fuzz::WriteInput("job.trm", data, size);
  JobWindows noWindows;
  OptimizeOptions options;
  if (!LoadJob("job.trm", noWindows, options)) return 0;
  EngineJob job;
  PrepareEngineJob(ReadTableInputs(), job);
  ResultsModel model;
  BuildResultsModel(model);
  return 0;
}
