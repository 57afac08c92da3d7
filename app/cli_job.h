#pragma once
// Opening a job file for a command-line subcommand.

#include <string>

#include "storage/options_file.h"

namespace trimora {

// Unpacks the job file's tables into the current working directory (the caller has entered a
// TempWorkDir) and reads its options. jobPath was made absolute before the working directory
// changed; shownName is the name the user typed. On failure prints one line naming the file
// and the reason to stderr and returns false.
bool OpenJobForCli(const std::string& jobPath, const std::string& shownName,
                   OptimizeOptions& options);

}  // namespace trimora
