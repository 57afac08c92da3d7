#pragma once
// The "Blade and Kerf" dialog: the job's blade reach, minimum cut and kerf, which the Basic
// Details window keeps but does not show, with what each means. Only numbers of 0 or more are
// taken, and a blade reach above 0.

#include <QDialog>
#include <optional>
#include <string>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace trimora {

// The three values as the Basic Details table holds them (cell text).
struct BladeAndKerf {
  std::string blade;
  std::string mincut;
  std::string kerf;
  friend bool operator==(const BladeAndKerf&, const BladeAndKerf&) = default;
};

// Why the values cannot be taken, or nothing when they can.
std::optional<std::string> BladeAndKerfProblem(const BladeAndKerf& values);

class BladeKerfDialog : public QDialog {
 public:
  explicit BladeKerfDialog(const BladeAndKerf& values, QWidget* parent = nullptr);

  BladeAndKerf Values() const;

 private:
  void Check();

  QLineEdit* blade_;
  QLineEdit* mincut_;
  QLineEdit* kerf_;
  QLabel* problem_;
  QDialogButtonBox* buttons_;
};

}  // namespace trimora
