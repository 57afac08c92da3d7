#pragma once
// The Off-Cut Table window: offcut.tlf in a grid without an entry row. Only LOCATION can be
// typed into, to record where an off-cut is stored; the table can be sorted and printed
// ("sortAscendingButton", "sortDescendingButton", "printButton", "printPreviewButton"), and
// closing the window writes it back to offcut.tlf. Export ("exportButton") adds the off-cuts to
// the Material Library, once per roll import.

#include <string>

#include "grid/grid_window.h"
#include "storage/grid.h"

class QPushButton;

namespace trimora {

// What the window needs of the main window.
class OffcutHost {
 public:
  virtual ~OffcutHost() = default;
  // The Basic Details grid: MAT, GRADE and THICK in row 1, columns 1 to 3.
  virtual const Grid& BasicDetails() = 0;
  // Set while the job's rolls came from the Material Library and were not exported yet.
  virtual bool ImportedFromLibrary() const = 0;
  virtual void ClearImportedFromLibrary() = 0;
};

class OFFCUT : public GridWindow {
 public:
  OFFCUT(ShellServices& services, OffcutHost& host, QWidget* parent = nullptr);

  // Derives offcut.tlf when it is missing or older than dia.tlf, then fills the grid. False,
  // with error, when the table cannot be derived.
  bool Load(std::string* error = nullptr);

  // Keys reach the shared grid editing only in LOCATION.
  void KeyPress(const KeyEvent& key) override;
  bool KeyDown(const KeyEvent& key) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The listing shows the report measure for the job's material and thickness.
  GridPrintContext ListingContext() override;

 private:
  // Sorts on the current column, leaving no entry row.
  void SortOffcuts(SortDirection direction);
  void ExportToMaterialLibrary();
  // Removes the blank entry row the table-file reader and the sort leave.
  void RemoveEntryRow();
  void MergeIntoLibrary();

  OffcutHost& host_;
  QPushButton* export_;
};

}  // namespace trimora
