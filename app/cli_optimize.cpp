#include "app/cli_optimize.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "app/cli_job.h"
#include "app/cli_progress.h"
#include "app/temp_workdir.h"
#include "engine/optimization_run.h"
#include "storage/job_file.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

std::string Absolute(const std::string& path) {
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(path, ec);
  return ec ? path : absolute.string();
}

void PrintTotals(const RunResult& result) {
  std::fprintf(stderr, "Layouts: %d  Total stock area: %s  Yield: %.6f  Improvements: %d\n",
               int(result.layouts), StockAreaText(result.totalStockArea).c_str(),
               double(result.yield), int(result.improvements));
}

}  // namespace

int RunOptimizeCommand(const std::string& inputPath, const std::string& outputPath) {
  const std::string shownOutput = outputPath.empty() ? inputPath : outputPath;
  const std::string input = Absolute(inputPath);
  const std::string output = Absolute(shownOutput);
  TempWorkDir workDir;
  if (!workDir.ok()) {
    std::cerr << "trimora-cli: " << workDir.error() << '\n';
    return 1;
  }
  OptimizeOptions options;
  if (!OpenJobForCli(input, inputPath, options)) return 1;
  // Found out now, not after the whole run.
  if (std::string error; !CanReplaceFile(output, &error)) {
    std::cerr << "trimora-cli: " << shownOutput << ": " << error << '\n';
    return 1;
  }

  CliProgress progress(::isatty(STDERR_FILENO) == 1);
  const RunResult result = RunOptimization(progress);
  progress.Finish();
  std::fprintf(stderr, "%s\n", result.message.c_str());
  if (result.planFound && result.resultsWritten) PrintTotals(result);
  if (!result.startCheckFailed && !result.resultsWritten) {
    std::cerr << "trimora-cli: dia.tlf: cannot be written: " << result.writeError << '\n';
    return 1;
  }

  JobWindows noWindows;
  const JobFileResult saved = SaveJob(output, options, noWindows);
  if (!saved) {
    std::cerr << "trimora-cli: " << shownOutput << ": " << saved.error << '\n';
    return 1;
  }
  if (result.startCheckFailed) return 2;
  return result.planFound ? 0 : 3;
}

}  // namespace trimora
