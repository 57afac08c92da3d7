#pragma once

#include <string>

namespace trimora {

struct DrawRequest {
  enum class Format { kPdf, kSvg, kPng, kDxf };
  std::string jobPath;
  Format format = Format::kPdf;
  std::string output;        // the PDF file, or the folder for the pictures or DXF drawings
  int layout = 0;            // 0: every layout
  std::string settingsPath;  // empty: dia.set next to the job file, when there is one
  bool cuts = false;         // the saw cuts numbered; the PDF lists them under the detail text
};

// `trimora-cli draw`: the layouts of an optimized job as printed pages (one PDF), as the
// screen draws them (one SVG or PNG per layout), or at true size for cutting machines (one
// DXF per layout, named after the job). Exit status 0 drawn, 2 the job has no results, 1
// unreadable input or unwritable output.
int RunDrawCommand(const DrawRequest& request);

}  // namespace trimora
