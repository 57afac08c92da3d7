#pragma once
// Load Products: an order of products (PRODUCTS, QTY, CLIENT) turned into job files, one per
// material, grade and thickness, named from the prefix box and the type box. The order list
// loadprod.tlf lives only while the window is open.

#include <QPointer>

#include "grid/grid_window.h"
#include "libraries/choice_window.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace trimora {

class LOADPROD : public GridWindow {
 public:
  explicit LOADPROD(ShellServices& services, QWidget* parent = nullptr);

  QLineEdit* txt;  // "File(s) Suffix": the prefix of the generated names
  QComboBox* cmb;  // the type box
  QPushButton* cmdClose;

  // Load.
  void cmdClose_Click();

  // The Product Choice window while it is open.
  Choice* ProductChoice() const { return choice_; }

  // GridEditorHost: a key in the PRODUCTS column opens the Product Choice.
  void ChooseProduct() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void LOADPROD_Form_Load();

  QPointer<Choice> choice_;
};

}  // namespace trimora
