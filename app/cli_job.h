#pragma once
// Opening a job file for a command-line subcommand, and what every subcommand says the same way.

#include <string>

#include "storage/options_file.h"

namespace trimora {

// Unpacks the job file's tables into the current working directory (the caller has entered a
// TempWorkDir) and reads its options. jobPath was made absolute before the working directory
// changed; shownName is the name the user typed. On failure prints one line naming the file
// and the reason to stderr and returns false.
bool OpenJobForCli(const std::string& jobPath, const std::string& shownName,
                   OptimizeOptions& options);

// path made absolute (as it stands when that fails); "" stays "". Subcommands call it before
// they enter their private working directory, where relative paths would point elsewhere.
std::string AbsolutePath(const std::string& path);

// Whether --layout N (0 for all) names a layout of the plan; when not, says so on stderr.
bool IsLayoutOfPlan(int layout, int layouts);

}  // namespace trimora
