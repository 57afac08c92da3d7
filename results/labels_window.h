#pragma once
// The Define Labels window: the label definition lbl.def, one record of COLS, HS, HP, VS and
// VP, edited in a grid and written back by "Apply" ("applyButton"). The launcher opens it
// modally.

#include "grid/grid_window.h"

namespace trimora {

class LABELS : public GridWindow {
 public:
  explicit LABELS(ShellServices& services, QWidget* parent = nullptr);

 private:
  void Load();
  // Writes the grid to lbl.def and closes the window.
  void Apply();
};

}  // namespace trimora
