#pragma once
// The Define Labels window: the label definition lbl.def, one record of COLS, HS, HP, VS and
// VP, edited in a grid and written back by "Apply". The launcher opens it modally.

#include "grid/grid_window.h"

class QPushButton;

namespace trimora {

class LABELS : public GridWindow {
 public:
  explicit LABELS(ShellServices& services, QWidget* parent = nullptr);

  QPushButton* cmdClose;

  // "Apply": writes the grid to lbl.def and closes the window.
  void cmdClose_Click();

 private:
  void LABELS_Form_Load();
};

}  // namespace trimora
