#pragma once
// The Density Table window: edits density.dat, the density of each material. The grid works
// on the copy density.tlf; only Done, answered Yes, writes density.dat, sorted by material.

#include "grid/grid_window.h"

class QPushButton;

namespace trimora {

inline constexpr const char* kDensityWorkingCopy = "density.tlf";

class DENSITY : public GridWindow {
 public:
  explicit DENSITY(ShellServices& services, QWidget* parent = nullptr);

  // Shows the window modally over parent and returns once it is closed.
  static void RunModal(ShellServices& services, QWidget* parent);

  QPushButton* cmdClose;

  // Done: asks "Save Changes?"; Yes writes density.dat sorted by material. Closes either way.
  void cmdClose_Click();

 private:
  void DENSITY_Form_Load();
};

}  // namespace trimora
