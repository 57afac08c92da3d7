#pragma once
// The Density Table window: edits density.dat, the density of each material. The grid works
// on the copy density.tlf; only Done, answered Yes, writes density.dat, sorted by material.

#include "grid/grid_window.h"

namespace trimora {

inline constexpr const char* kDensityWorkingCopy = "density.tlf";

class DENSITY : public GridWindow {
 public:
  explicit DENSITY(ShellServices& services, QWidget* parent = nullptr);

  // Shows the window modally over parent and returns once it is closed.
  static void RunModal(ShellServices& services, QWidget* parent);

 private:
  void Load();
  // Done ("doneButton"): asks "Save Changes?"; Yes writes density.dat sorted by material.
  // Closes either way.
  void SaveAndClose();
};

}  // namespace trimora
