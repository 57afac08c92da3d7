#pragma once
// Printing a table grid as a text listing: the page header goes to header.tlf and the rows to
// Print.txt, each value at its column's position. The window then prints Print.txt with that
// page header on every page.

#include <optional>
#include <string>

#include "grid/grid_editor_host.h"
#include "storage/grid.h"

namespace trimora {

inline constexpr const char* kPrintFile = "Print.txt";
inline constexpr const char* kPrintHeaderFile = "header.tlf";

// Grids whose listing differs from the plain one.
enum class PrintedGrid {
  Table,
  Report,           // every row, blank ones too, and no column line
  MaterialLibrary,  // the report measure of each size after the last column
  OffCut,           // likewise, for the material and thickness of the job
};

// Today's date as the listings show it, "dd-mm-yyyy".
std::string PrintDate();

struct GridPrintContext {
  std::string caption;  // of the window that owns the grid
  PrintedGrid kind = PrintedGrid::Table;
  std::string jobFileName;  // "" while the job has no file
  // Off-Cut only: MAT and THICK of the Basic Details row.
  std::string material;
  std::string thickness;
  std::string date = PrintDate();
};

struct GridPrintFiles {
  std::string textFile;
  std::string headerFile;
};

// Writes the header file and the listing of all data rows, or of the selected ones only, and
// answers the two files to print. A file that cannot be written does not stop the rest.
GridPrintFiles WriteGridListing(const Grid& grid, const GridPrintContext& context,
                                bool selectedRowsOnly);

// Asks for the rows to print, then writes their listing; nothing when the user cancels.
std::optional<GridPrintFiles> PrintGrid(const Grid& grid, const GridPrintContext& context,
                                        GridEditorHost& host);

}  // namespace trimora
