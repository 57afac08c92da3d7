#pragma once
// The Optimize command: checks the material's density when reports show weights, saves the
// job to tmp.tlf, closes the result windows, marks the job changed, lets the progress window
// run the optimization, and afterwards, when the run wrote a plan, runs Save As... and the View
// menu's Layouts command. A job refused before the run, or a run without a plan, has nothing
// to save or show: its message stays in the progress window.

#include <string>

#include "platform/dialog_service.h"

namespace trimora {

inline constexpr const char* kOptimizeSnapshotFile = "tmp.tlf";
inline constexpr const char* kDensityMissingQuestion =
    "Material you have specified is not listed in Density Table. Do you want to edit Density "
    "Table?";

// What the command needs from the main window.
class OptimizeHost {
 public:
  virtual ~OptimizeHost() = default;
  // MAT of row 1 of the Basic Details grid.
  virtual std::string JobMaterial() = 0;
  // Shows the Density Table window modally.
  virtual void EditDensityTable() = 0;
  // Saves the current job under the given name (the job-entry windows write their tables).
  virtual void SaveSnapshot(const std::string& fileName) = 0;
  // Closes the Off-Cut Table, Report and Layouts windows that are open.
  virtual void CloseResultWindows() = 0;
  virtual void SetDataChanged() = 0;
  // Shows the progress window modally; returns once the user has closed it, answering whether
  // the run wrote a plan.
  virtual bool RunProgressWindow() = 0;
  // The File menu's Save As... and the View menu's Layouts.
  virtual void SaveAs() = 0;
  virtual void ViewLayouts() = 0;
};

// While the job's material has no density and reports show weights, asks whether to edit the
// Density Table; Yes opens it and looks again, No goes on.
void CheckDensity(DialogService& dialogs, OptimizeHost& host);

void Optimize(DialogService& dialogs, OptimizeHost& host);

}  // namespace trimora
