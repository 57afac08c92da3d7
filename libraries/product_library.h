#pragma once
// The Product Library: named kits of cut-pieces, one record per piece, kept in plm.dat sorted
// by product, and the list of product names (products.lst) the Product Choice offers.

#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_editor_host.h"
#include "storage/grid.h"

namespace trimora {

inline constexpr const char* kProductLibraryFile = "plm.dat";
inline constexpr const char* kProductLibraryWorkingCopy = "plm.tlf";
inline constexpr const char* kProductListFile = "products.lst";

// PRODUCT, DESCRIPTION, MAT, GRADE, THICK, LENGTH, WIDTH, QTY.
const std::vector<std::string_view>& ProductLibraryTags();
inline constexpr size_t kProductFieldCount = 8;

// Saves the grid as the library: sorts it ascending on PRODUCT through its working copy (the
// blank rows go) and replaces plm.dat once the new file is complete, then rebuilds
// products.lst. Answers false when a file could not be replaced.
bool SaveProductLibrary(Grid& grid, GridEditorHost& host);

// Rewrites products.lst from plm.dat: every product name once, in the order of its first
// record, one quoted name per line. Records without a name are passed over.
bool RebuildProductList();

// The names in products.lst, in file order; empty when the file does not exist.
std::vector<std::string> ReadProductList();

}  // namespace trimora
