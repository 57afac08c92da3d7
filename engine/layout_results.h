#pragma once
// dia.tlf, the layout results file: the best plan of the last run, one area record per line
// as nine comma-separated numbers (layout number, TYPE, roll index, XS, YS, XE, YE, repeat
// count, orientation). An empty file means there is no result.

#include <string>

#include "engine/area_list.h"

namespace trimora {

inline constexpr const char* kLayoutResultsFile = "dia.tlf";

// Replaces dia.tlf with records 1 .. end of the plan (element 0 is not written); a plan
// without records gives an empty file. Returns false, with the reason in error when given,
// if the file could not be written; the old file is then left as it was.
bool WriteLayoutResults(const AreaList& plan, std::string* error = nullptr);

// One record as its dia.tlf line, without the line end.
std::string LayoutResultsLine(const AreaRecord& record);

enum class LayoutResultsStatus {
  kLayouts,    // the records were read into elements 1 .. n
  kNoResults,  // the file is missing or holds no record: the list is untouched
  kMalformed,  // a line is not nine numbers: the list keeps only element 0
};

// Reads dia.tlf into elements 1 .. n of list; element 0 stays as the caller gave it (a default
// record when the list was empty). A truncated or malformed file never yields part of a plan;
// error then says which line could not be read.
LayoutResultsStatus ReadLayoutResults(AreaList& list, std::string* error = nullptr);

}  // namespace trimora
