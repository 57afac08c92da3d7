#pragma once

#include "app/cli_results.h"

namespace trimora {

// `trimora-cli report JOB.trm [-o FILE]`: the report (report.tlf) of the job's layout results.
// Exit status 0 written, 2 the job was not optimized, 1 unreadable input or output.
int RunReportCommand(const ResultsArgs& args);

}  // namespace trimora
