#pragma once
// Sheet Specifications: the stock sizes available, with four edge margins kept hidden and
// shown as markers for the current row ("marginMarker1" to "marginMarker4": ML, MT, MR, MB),
// and the import of the material's stock from the Material Library ("importButton").

#include <array>

#include "shell/job_entry_window.h"

class QLabel;

namespace trimora {

class SHEET : public JobEntryWindow {
 public:
  explicit SHEET(JobWindowHost& host, QWidget* parent = nullptr);

 protected:
  void ShowCurrentRow() override { ShowMarginMarkers(); }

 private:
  void ShowMarginMarkers();
  // The Import button: replaces the rows by the library's stock of the job's material.
  void ImportRolls();
  void OpenMaterialLibrary();

  std::array<QLabel*, 4> marginMarkers_{};
};

}  // namespace trimora
