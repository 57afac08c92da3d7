#pragma once
// What the Basic Details, Sheet Specifications and Cut-Piece Measurement windows share: a
// grid bound to the window's job table, filled from the table file when the window opens and
// written back when it closes, its edits reaching the main window as changes of the job.

#include <string>
#include <vector>

#include "grid/grid_edit_rules.h"
#include "grid/grid_window.h"
#include "shell/job_window_host.h"
#include "storage/job_tables.h"

namespace trimora {

struct JobEntryDesign {
  const TableDefinition& table;
  std::string caption;
  std::vector<int> hiddenColumns;  // data columns kept in the table but not shown
  bool serialShown = true;
  bool singleRecord = false;  // exactly one data row
  GridEditRules rules;
};

class JobEntryWindow : public GridWindow {
 public:
  JobEntryWindow(const JobEntryDesign& design, JobWindowHost& host, QWidget* parent = nullptr);

  // True once the window has been closed (it is deleted soon after).
  bool IsClosed() const { return closed_; }
  // Appends rows of the table's texts after the rows holding text, as one step Undo takes back.
  // The caller runs the change guard and marks the job changed.
  void ImportRows(const std::vector<std::vector<std::string>>& rows);

  // GridEditorHost: the main window keeps the job.
  void SetDataChanged() override { host_.SetDataChanged(); }
  void InvalidateResults() override { host_.InvalidateResults(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  GridPrintContext ListingContext() override;
  JobWindowHost& Host() { return host_; }
  // Fills the grid from the table file again (after the file was replaced).
  void Reload();

 private:
  bool singleRecord_;
  JobWindowHost& host_;
  bool closed_ = false;
};

}  // namespace trimora
