#include "shell/blade_kerf_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <charconv>

#include "storage/table_file.h"

namespace trimora {

namespace {

// The whole text as a number ("." as the decimal point, whatever the locale), or nothing.
std::optional<double> NumberOf(const std::string& text) {
  const std::string trimmed = TrimBlanks(text);
  double value = 0;
  const char* end = trimmed.data() + trimmed.size();
  const auto [stop, error] = std::from_chars(trimmed.data(), end, value);
  if (trimmed.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

QLabel* Explanation(const char* text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * 0.9);
  label->setFont(font);
  return label;
}

QLineEdit* Field(const std::string& text, const char* name, QWidget* parent) {
  auto* field = new QLineEdit(QString::fromStdString(text), parent);
  field->setObjectName(name);
  return field;
}

}  // namespace

std::optional<std::string> BladeAndKerfProblem(const BladeAndKerf& values) {
  const auto blade = NumberOf(values.blade);
  if (!blade || !(*blade > 0)) return "BLADE must be a number above 0.";
  const auto mincut = NumberOf(values.mincut);
  if (!mincut || !(*mincut >= 0)) return "MINCUT must be a number of 0 or more.";
  const auto kerf = NumberOf(values.kerf);
  if (!kerf || !(*kerf >= 0)) return "KERF must be a number of 0 or more.";
  return std::nullopt;
}

BladeKerfDialog::BladeKerfDialog(const BladeAndKerf& values, QWidget* parent)
    : QDialog(parent),
      blade_(Field(values.blade, "blade", this)),
      mincut_(Field(values.mincut, "mincut", this)),
      kerf_(Field(values.kerf, "kerf", this)),
      problem_(new QLabel(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
  setWindowTitle("Blade and Kerf");
  auto* form = new QFormLayout;
  form->addRow("BLADE", blade_);
  form->addRow("", Explanation("The blade reach: the longest cut the saw makes in one stroke. "
                               "A sheet wider than this is not used, and no block of pieces "
                               "is longer than this along the sheet.",
                               this));
  form->addRow("MINCUT", mincut_);
  form->addRow("", Explanation("The minimum cut, kept with the job.", this));
  form->addRow("KERF", kerf_);
  form->addRow("", Explanation("The width of material the blade removes; it is added to every "
                               "size of the sheets and pieces.",
                               this));
  problem_->setObjectName("problem");
  buttons_->setObjectName("buttons");
  problem_->setStyleSheet("color: #b00000");
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(problem_);
  layout->addWidget(buttons_);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  for (QLineEdit* field : {blade_, mincut_, kerf_}) {
    connect(field, &QLineEdit::textChanged, this, [this] { Check(); });
  }
  Check();
  setMinimumWidth(420);
}

BladeAndKerf BladeKerfDialog::Values() const {
  return {blade_->text().trimmed().toStdString(), mincut_->text().trimmed().toStdString(),
          kerf_->text().trimmed().toStdString()};
}

void BladeKerfDialog::Check() {
  const std::optional<std::string> problem = BladeAndKerfProblem(Values());
  problem_->setText(problem ? QString::fromStdString(*problem) : QString());
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(!problem);
}

}  // namespace trimora
