#pragma once
// Load Products: an order of products (PRODUCTS, QTY, CLIENT) turned into job files, one per
// material, grade and thickness, named from the prefix box ("prefixBox") and the type box
// ("typeBox") by the Load button ("loadButton"). The order list loadprod.tlf lives only while
// the window is open.

#include <QPointer>

#include "grid/grid_window.h"
#include "libraries/choice_window.h"

class QComboBox;
class QLineEdit;

namespace trimora {

class LOADPROD : public GridWindow {
 public:
  explicit LOADPROD(ShellServices& services, QWidget* parent = nullptr);

  // The Product Choice window while it is open.
  Choice* ProductChoice() const { return choice_; }

  // GridEditorHost: a key in the PRODUCTS column opens the Product Choice.
  void ChooseProduct() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The order list starts empty.
  void StartOrder();
  // Load: writes the job files of the order.
  void MakeJobFiles();

  QLineEdit* prefix_;  // "File(s) Suffix": the prefix of the generated names
  QComboBox* type_;
  QPointer<Choice> choice_;
};

}  // namespace trimora
