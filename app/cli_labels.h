#pragma once

#include "app/cli_results.h"

namespace trimora {

// `trimora-cli labels JOB.trm [--layout N] [--def lbl.def] [-o FILE | --pdf FILE]`: the label
// sheet (lbl.tlf) of one layout or of all layouts, arranged as lbl.def says (the given file, or
// lbl.def beside the job); with --pdf the pages Print Labels prints, on A4. Exit status 0
// written, 2 the job was not optimized or labels are not defined, 1 unreadable input,
// unwritable output or no such layout.
int RunLabelsCommand(const ResultsArgs& args);

}  // namespace trimora
