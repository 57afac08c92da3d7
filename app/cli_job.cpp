#include "app/cli_job.h"

#include <iostream>

#include "storage/job_file.h"

namespace trimora {

bool OpenJobForCli(const std::string& jobPath, const std::string& shownName,
                   OptimizeOptions& options) {
  JobWindows noWindows;
  const JobFileResult result = LoadJob(jobPath, noWindows, options);
  if (!result) {
    std::cerr << "trimora-cli: " << shownName << ": " << result.error << '\n';
    return false;
  }
  return true;
}

}  // namespace trimora
