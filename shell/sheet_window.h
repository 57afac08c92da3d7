#pragma once
// Sheet Specifications: the stock sizes available, with four edge margins kept hidden and
// shown as markers for the current row, and the import of the material's stock from the
// Material Library.

#include <array>

#include "shell/job_entry_window.h"

class QLabel;
class QPushButton;

namespace trimora {

class SHEET : public JobEntryWindow {
 public:
  explicit SHEET(JobWindowHost& host, QWidget* parent = nullptr);

  // The Import button: replaces the rows by the library's stock of the job's material.
  void ImportRolls();
  void cmdImport_Click() { ImportRolls(); }

  // ML, MT, MR, MB.
  const std::array<QLabel*, 4>& MarginMarkerLabels() const { return marginMarkers_; }
  QPushButton* cmdImport;

 protected:
  void ShowCurrentRow() override { ShowMarginMarkers(); }

 private:
  void ShowMarginMarkers();
  void OpenMaterialLibrary();

  std::array<QLabel*, 4> marginMarkers_{};
};

}  // namespace trimora
