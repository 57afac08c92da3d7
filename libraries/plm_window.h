#pragma once
// The Product Library Manager: the product library plm.dat edited through its working copy
// plm.tlf, with buttons to sort and print it ("sortAscendingButton", "sortDescendingButton",
// "printButton", "printPreviewButton"). Done ("doneButton"), answered Yes, sorts by product
// into plm.dat and rebuilds products.lst.

#include "grid/grid_window.h"

namespace trimora {

class PLM : public GridWindow {
 public:
  explicit PLM(ShellServices& services, QWidget* parent = nullptr);

 private:
  void Load();
  // Done: saves when the user says Yes, and closes.
  void SaveAndClose();
};

}  // namespace trimora
