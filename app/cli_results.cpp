#include "app/cli_results.h"

#include <filesystem>
#include <iostream>

#include "app/cli_job.h"
#include "app/temp_workdir.h"
#include "storage/file_utils.h"
#include "storage/number_text.h"
#include "storage/settings_file.h"
#include "storage/text_file.h"

namespace trimora {

namespace fs = std::filesystem;

namespace {

const char* const kSettingsFiles[] = {"misc.set", "density.dat", "dia.set", "lbl.def", "scrap.dat"};

// Copies the settings files that exist in the folder (names matched without regard to case)
// into the working directory under their own names.
void CopySettingsFiles(const fs::path& folder) {
  for (const char* name : kSettingsFiles) {
    const std::string source = SettingsFileName((folder / name).string());
    if (!FileExists(source)) continue;
    std::error_code ec;
    fs::copy_file(source, name, fs::copy_options::overwrite_existing, ec);
  }
}

}  // namespace

void ResultsArgs::MakePathsAbsolute() {
  jobPath = AbsolutePath(job);
  outputPath = AbsolutePath(output);
  labelDefPath = AbsolutePath(labelDef);
  pdfPath = AbsolutePath(pdf);
  csvPath = csv == "-" ? std::string() : AbsolutePath(csv);
}

int LoadResultsForCli(const ResultsArgs& args, ResultsModel& model) {
  const std::string& job = args.jobPath;
  OptimizeOptions options;
  if (!OpenJobForCli(job, args.job, options)) return 1;
  CopySettingsFiles(fs::path(job).parent_path());
  if (!args.labelDef.empty()) {
    std::error_code ec;
    const std::string& def = args.labelDefPath;
    if (!FileExists(def)) {
      std::cerr << "trimora-cli: " << args.labelDef << ": no such file\n";
      return 1;
    }
    fs::copy_file(def, "lbl.def", fs::copy_options::overwrite_existing, ec);
    if (ec) {
      std::cerr << "trimora-cli: " << args.labelDef << ": " << ec.message() << '\n';
      return 1;
    }
  }
  model.jobFileName = job;
  std::string error;
  switch (BuildResultsModel(model, &error)) {
    case ResultsStatus::kReady:
      return 0;
    case ResultsStatus::kNotOptimized:
      std::cerr << kNotOptimizedMessage << '\n';
      return 2;
    case ResultsStatus::kMalformed:
      std::cerr << "trimora-cli: " << args.job << ": layout results: " << error << '\n';
      return 1;
  }
  return 1;
}

int WithResultsModel(const ResultsArgs& args, const std::function<int(ResultsModel&)>& command) {
  TempWorkDir workDir;
  if (!workDir.ok()) {
    std::cerr << "trimora-cli: " << workDir.error() << '\n';
    return 1;
  }
  ResultsModel model;
  if (const int status = LoadResultsForCli(args, model); status != 0) return status;
  return command(model);
}

int EmitResultsText(const std::string& text, const ResultsArgs& args) {
  return EmitText(text, args.output, args.outputPath);
}

int EmitText(const std::string& text, const std::string& shown, const std::string& path) {
  if (path.empty()) {
    std::string plain;
    plain.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
      if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) plain += text[i];
    }
    std::cout << plain << std::flush;
    return std::cout ? 0 : 1;
  }
  std::string error;
  if (ReplaceFileSafely(path, text, &error)) return 0;
  std::cerr << "trimora-cli: " << shown << ": " << error << '\n';
  return 1;
}

}  // namespace trimora
