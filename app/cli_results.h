#pragma once
// What the results subcommands (report, offcuts, labels, cuts) share: their arguments, loading a
// job's layout results into a private working directory, and writing the output.

#include <functional>
#include <string>

#include "results/results_model.h"

namespace trimora {

struct ResultsArgs {
  std::string job;       // JOB.trm as typed
  std::string output;    // -o FILE as typed; empty for stdout
  std::string labelDef;  // --def FILE as typed (labels only)
  std::string pdf;       // --pdf FILE as typed (labels only, instead of -o)
  std::string csv;       // --csv FILE as typed (cuts only); - is stdout
  int layout = 0;        // --layout N (labels only); 0 for all layouts
  // The paths made absolute in the user's current folder, before the working directory changes.
  std::string jobPath;
  std::string outputPath;
  std::string labelDefPath;
  std::string pdfPath;
  std::string csvPath;  // empty for stdout
  void MakePathsAbsolute();
};

// Makes a private temporary working directory, loads the job's results there as
// LoadResultsForCli does and, when they are ready, returns what command makes of them;
// otherwise the exit status of the failure.
int WithResultsModel(const ResultsArgs& args, const std::function<int(ResultsModel&)>& command);

// In the current (temporary) working directory: unpacks the job, copies the settings files
// misc.set, density.dat, dia.set, lbl.def and scrap.dat from the job file's folder where they
// exist (and labelDef, when given, as lbl.def), and builds the results model. Returns 0 when
// ready; otherwise prints one line to stderr and returns the exit status (2 when the job was
// not optimized, 1 when something cannot be read).
int LoadResultsForCli(const ResultsArgs& args, ResultsModel& model);

// Writes text (CR LF line ends) to args.outputPath with ReplaceFileSafely, or to stdout with
// plain "\n" line ends when there is no output file. Returns the exit status (0, or 1 with a
// message on stderr).
int EmitResultsText(const std::string& text, const ResultsArgs& args);

// The same for any text: to path (absolute; shown is the name as typed), or to stdout when path
// is empty.
int EmitText(const std::string& text, const std::string& shown, const std::string& path);

}  // namespace trimora
