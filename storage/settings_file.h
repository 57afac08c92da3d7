#pragma once
// The settings files of the working directory (misc.set, density.dat, dia.set, lbl.def,
// scrap.dat, mlm.dat) are opened by bare name and matched without regard to case, as the
// program's own folder on Windows matches them: "Density.dat" and "LBl.def" are found too.

#include <string>
#include <vector>

namespace trimora {

// The name of the existing file that matches name without regard to case (the name itself
// when it exists as written, or when no file matches). A name with a folder part is looked up
// in that folder.
std::string SettingsFileName(const std::string& name);

// The first record of a table file (fields as table files quote them), or no fields when the file
// is missing or empty.
std::vector<std::string> FirstRecordOf(const std::string& name);

}  // namespace trimora
