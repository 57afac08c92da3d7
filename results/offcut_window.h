#pragma once
// The Off-Cut Table window: offcut.tlf in a grid without an entry row. Only LOCATION can be
// typed into, to record where an off-cut is stored; the table can be sorted and printed, and
// closing the window writes it back to offcut.tlf. Export adds the off-cuts to the Material
// Library, once per roll import.

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
  bool OFFCUT_Form_Load(std::string* error = nullptr);

  QPushButton* cmdSortAscending;   // cmdSort index 1
  QPushButton* cmdSortDescending;  // cmdSort index 2
  QPushButton* cmdPrintData;
  QPushButton* cmdPreview;
  QPushButton* cmdExport;

  void cmdSort_Click(int index);
  // Prints the listing, or shows all of it in the print preview.
  void cmdPrintData_Click(bool preview = false);
  void cmdExport_Click();

  // Keys reach the shared grid editing only in LOCATION.
  void KeyPress(const KeyEvent& key) override;
  bool KeyDown(const KeyEvent& key) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The listing shows the report measure for the job's material and thickness.
  GridPrintContext ListingContext() override;

 private:
  // Removes the blank entry row the table-file reader and the sort leave.
  void RemoveEntryRow();
  void MergeIntoLibrary();

  OffcutHost& host_;
};

}  // namespace trimora
