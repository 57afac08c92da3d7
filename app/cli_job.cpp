#include "app/cli_job.h"

#include <filesystem>
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

std::string AbsolutePath(const std::string& path) {
  if (path.empty()) return path;
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  return ec ? path : absolute.string();
}

bool IsLayoutOfPlan(int layout, int layouts) {
  if (layout <= layouts) return true;
  std::cerr << "trimora-cli: --layout " << layout << ": the job has layouts 1 to " << layouts
            << '\n';
  return false;
}

}  // namespace trimora
