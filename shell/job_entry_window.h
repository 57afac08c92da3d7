#pragma once
// What the Basic Details, Sheet Specifications and Cut-Piece Measurement windows share: a
// grid bound to the window's job table, filled from the table file when the window opens and
// written back when it closes, edited through the shared grid editing.

#include <QWidget>
#include <string>
#include <vector>

#include "grid/grid_edit_rules.h"
#include "grid/services_grid_host.h"
#include "platform/grid_view.h"
#include "platform/grid_view_handler.h"
#include "shell/job_window_host.h"
#include "storage/job_tables.h"

class QHBoxLayout;

namespace trimora {

// A list window opens showing this many rows where the main window allows.
inline constexpr int kRowsShownInLists = 10;

struct JobEntryDesign {
  const TableDefinition& table;
  std::string caption;
  std::vector<int> hiddenColumns;  // data columns kept in the table but not shown
  bool serialShown = true;
  bool singleRecord = false;  // exactly one data row
  GridEditRules rules;
};

class JobEntryWindow : public QWidget, public GridViewHandler, public ServicesGridHost {
 public:
  JobEntryWindow(const JobEntryDesign& design, JobWindowHost& host, QWidget* parent = nullptr);
  // The grid view goes first: it reads the grid until it is gone.
  ~JobEntryWindow() override;

  Grid& grid() { return grid_; }
  GridView* FG;
  // True once the window has been closed (it is deleted soon after).
  bool IsClosed() const { return closed_; }

  // GridViewHandler
  void KeyPress(const KeyEvent& key) override;
  bool KeyDown(const KeyEvent& key) override;
  void FocusIn() override { ShowMarkers(); }
  void CellChanged() override { ShowMarkers(); }

  // GridEditorHost, beyond what the program's services answer
  void SetDataChanged() override { host_.SetDataChanged(); }
  void InvalidateResults() override { host_.InvalidateResults(); }
  void FocusGrid() override;
  int RowsPerPage() override { return FG->VisibleRows(); }

  // The toolbar of the list windows: 1 "Sort Ascending", 2 "Sort Descending", 4 "Print",
  // 8 "Print Preview", 6 "Copy", 7 "Paste" (3 and 5 separate them).
  void TB_ButtonClick(int index);

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Refreshes whatever the window shows beside the grid about the current row.
  virtual void ShowMarkers() {}
  // Puts the toolbar at the start of the row above the grid.
  void AddToolbar();
  // The row above the grid, for the toolbar and whatever the window shows beside it.
  QHBoxLayout* TopRow() { return topRow_; }
  JobWindowHost& Host() { return host_; }
  // Fills the grid from the table file again (after the file was replaced).
  void Reload();

 private:
  // Prints the listing, or shows all of it in the print preview.
  void PrintData(bool preview);

  JobEntryDesign design_;
  JobWindowHost& host_;
  Grid grid_;
  QHBoxLayout* topRow_;
  bool closed_ = false;
};

}  // namespace trimora
