#pragma once

#include <string>

namespace trimora {

// `trimora-cli export JOB.trm [--csv FILE] [--json FILE]`: the plan of an optimized job, one
// record per placed piece and per off-cut, for other software ("-" writes to stdout). Exit
// status 0 written, 2 the job was not optimized, 1 unreadable input or unwritable output.
struct ExportRequest {
  std::string job;
  std::string csv;
  std::string json;
};
int RunExportCommand(const ExportRequest& request);

// `trimora-cli import-cuts JOB.trm FILE.csv [-o OUT.trm]`: the rows of a CSV cut list appended
// to the job's cut-pieces as typing them would enter them, each refused row named on stderr;
// the job is written back (or to OUT) without its layout results, which no longer fit it.
// Exit status 0 every row imported, 1 some row refused (the others are imported) or a file
// could not be read or written.
struct ImportCutsRequest {
  std::string job;
  std::string csv;
  std::string output;
};
int RunImportCutsCommand(const ImportCutsRequest& request);

}  // namespace trimora
