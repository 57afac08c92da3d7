#pragma once
// Finding the rolls in stock for the job's material in the Material Library (mlm.dat) and
// writing them as the Roll Specifications table.

#include <string>
#include <vector>

#include "libraries/material_library.h"

namespace trimora {

struct LibraryRoll {
  std::string length;
  std::string width;
  std::string quantity;
  std::string location;
  friend bool operator==(const LibraryRoll&, const LibraryRoll&) = default;
};

// The library's records of the material, grade and thickness, in file order. The library is
// kept sorted by material, so only the first block of records whose MAT equals the material
// is read. MAT and GRADE must match exactly, case included; thicknesses are compared as
// single-precision numbers; stock stored at the location "SCRAP" is left out. Empty when
// mlm.dat does not exist.
std::vector<LibraryRoll> FindLibraryRolls(const std::string& material, const std::string& grade,
                                          float thickness);

// Replaces sheet.tlf by the rolls: LENGTH, WIDTH, QTY, four empty margins, LOCATION. Answers
// false when the file cannot be written.
bool WriteImportedRolls(const std::vector<LibraryRoll>& rolls);

}  // namespace trimora
