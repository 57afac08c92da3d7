#include "results/result_files.h"

#include <filesystem>
#include <system_error>

#include "engine/layout_results.h"
#include "results/offcuts.h"
#include "results/report.h"
#include "results/results_model.h"

namespace trimora {

bool IsOlderThanResults(const char* file) {
  std::error_code error;
  const auto written = std::filesystem::last_write_time(file, error);
  if (error) return true;
  const auto results = std::filesystem::last_write_time(kLayoutResultsFile, error);
  return !error && written < results;
}

bool RefreshReport(std::string* error) {
  if (!IsOlderThanResults(kReportFile)) return true;
  ResultsModel model;
  return BuildResultsModel(model, error) == ResultsStatus::kReady && WriteReport(model, error);
}

bool RefreshOffcutTable(std::string* error) {
  if (!IsOlderThanResults(kOffcutFile)) return true;
  ResultsModel model;
  return BuildResultsModel(model, error) == ResultsStatus::kReady && WriteOffcutTable(model, error);
}

}  // namespace trimora
