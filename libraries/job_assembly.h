#pragma once
// A job file built from the Defaults job: the basic details take their material, grade and
// thickness from a given record and everything else from the defaults, and given cut-piece
// lines come first in the cut-piece section.

#include <string>
#include <vector>

#include "storage/job_file.h"

namespace trimora {

// The file the job is put together in before it is copied to its name.
inline constexpr const char* kAssemblyFile = "tmp.tlf";

// The line after "[BASIC.TLF]" becomes basicRecord (MAT, GRADE, THICK, quoted), a comma and
// what follows the first three fields of the defaults' line; an empty section gets
// basicRecord with four empty fields. After "[CUT.TLF]" the cutLines follow, then the
// defaults' own cut-pieces. Every line ends with CR LF.
std::string AssembleJobText(const std::vector<std::string>& defaultsLines,
                            const std::string& basicRecord,
                            const std::vector<std::string>& cutLines);

// What follows the first count fields of a record line and the comma after them ("" when the
// line has no more fields).
std::string FieldsAfter(const std::string& line, int count);

}  // namespace trimora
