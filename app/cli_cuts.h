#pragma once

#include "app/cli_results.h"

namespace trimora {

// `trimora-cli cuts JOB.trm [--layout N] [--csv FILE]`: the saw's cut sequence of every layout
// (or layout N), readable on stdout, or with --csv as one row per cut (FILE - is stdout). A
// layout straight through-cuts cannot separate gets a line on stderr and no cuts.
// Exit status 0 every layout has a sequence, 4 some layout has none, 2 the job was not
// optimized, 1 unreadable input or output.
int RunCutsCommand(const ResultsArgs& args);

}  // namespace trimora
