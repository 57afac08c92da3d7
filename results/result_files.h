#pragma once
// The report and the off-cut table belong to the results they were derived from. The Layouts
// window writes both when it opens; the Report and Off-Cut Table windows, which may open
// first, derive their file again when it is missing or older than dia.tlf, so that they never
// show another plan's figures.

#include <string>

namespace trimora {

// True when the file in the working directory is missing or was written before dia.tlf.
bool IsOlderThanResults(const char* file);

// Writes report.tlf from the current results when it is missing or out of date. False, with
// error, when the results cannot be read or the file cannot be written.
bool RefreshReport(std::string* error = nullptr);

// Likewise for offcut.tlf.
bool RefreshOffcutTable(std::string* error = nullptr);

}  // namespace trimora
