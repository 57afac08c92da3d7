#pragma once
// The Layout Settings window: ten check boxes for what the layout drawing shows and the
// printer scale, stored in dia.set by Apply.

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace trimora {

inline constexpr const char* kLayoutSettingsFile = "dia.set";

class DiaSet : public QDialog {
 public:
  explicit DiaSet(QWidget* parent = nullptr);

  std::array<QCheckBox*, 10> chk{};
  QComboBox* cmb;
  QPushButton* cmdApply;

  // Writes dia.set from the boxes and the scale list, then closes the window.
  void cmdApply_Click();

 private:
  void DiaSet_Form_Load();
};

}  // namespace trimora
