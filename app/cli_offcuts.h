#pragma once

#include "app/cli_results.h"

namespace trimora {

// `trimora-cli offcuts JOB.trm [-o FILE]`: offcut.tlf as the off-cut derivation writes it,
// with the scrap limits of scrap.dat from the job's folder when present.
// Exit status 0 written, 2 the job was not optimized, 1 unreadable input or output.
int RunOffcutsCommand(const ResultsArgs& args);

}  // namespace trimora
