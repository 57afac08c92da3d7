#pragma once
// The Layout Settings window: ten check boxes for what the layout drawing shows and the
// printer scale, stored in dia.set by Apply.

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;

namespace trimora {

inline constexpr const char* kLayoutSettingsFile = "dia.set";

class DiaSet : public QDialog {
 public:
  explicit DiaSet(QWidget* parent = nullptr);

 private:
  void ShowStoredSettings();
  // Writes dia.set from the boxes and the scale list, then closes the window.
  void Apply();

  std::array<QCheckBox*, 10> boxes_{};
  QComboBox* scale_;
};

}  // namespace trimora
