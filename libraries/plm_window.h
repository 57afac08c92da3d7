#pragma once
// The Product Library Manager: the product library plm.dat edited through its working copy
// plm.tlf. Done, answered Yes, sorts by product into plm.dat and rebuilds products.lst.

#include <array>

#include "grid/grid_window.h"

class QPushButton;

namespace trimora {

class PLM : public GridWindow {
 public:
  explicit PLM(ShellServices& services, QWidget* parent = nullptr);

  // 1 "Sort Ascending", 2 "Sort Descending"; element 0 is unused.
  std::array<QPushButton*, 3> cmdSort{};
  QPushButton* cmdPrintData;
  QPushButton* cmdPreview;
  QPushButton* cmdClose;

  void cmdSort_Click(int index) { Sort(SortDirection(index)); }
  void cmdPrintData_Click() { Print(); }
  // Done.
  void cmdClose_Click();

 private:
  void PLM_Form_Load();
};

}  // namespace trimora
