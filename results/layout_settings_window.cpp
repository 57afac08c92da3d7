#include "results/layout_settings_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "results/layout_settings.h"
#include "storage/number_text.h"

namespace trimora {

namespace {

// The check boxes in dia.set's order, with the names they are found by.
struct ShowBox {
  const char* caption;
  const char* name;
};
constexpr std::array<ShowBox, 10> kBoxes = {{{"Basic Details List", "basicDetailsList"},
                                             {"Sheet Dimensions", "sheetDimensions"},
                                             {"Margin Dimensions", "marginDimensions"},
                                             {"Only First In Block", "onlyFirstInBlock"},
                                             {"Cut-Piece Dimensions", "cutPieceDimensions"},
                                             {"Cut-Piece Description", "cutPieceDescription"},
                                             {"Cut-Piece Color", "cutPieceColor"},
                                             {"OffCut Dimensions", "offCutDimensions"},
                                             {"OffCut Boundries", "offCutBoundries"},
                                             {"OffCut List", "offCutList"}}};

}  // namespace

DiaSet::DiaSet(QWidget* parent) : QDialog(parent), scale_(new QComboBox(this)) {
  setWindowTitle("Layout Settings");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* frame = new QGroupBox("Show", this);
  auto* column = new QVBoxLayout(frame);
  for (size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i] = new QCheckBox(kBoxes[i].caption, frame);
    boxes_[i]->setObjectName(kBoxes[i].name);
    column->addWidget(boxes_[i]);
  }
  scale_->setObjectName("printerScale");
  for (int i = 1; i <= 5; ++i) scale_->addItem(QString::number(i));
  scale_->setCurrentIndex(-1);
  auto* apply = new QPushButton("Apply", this);
  apply->setObjectName("applyButton");
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel("Printer Scale", this));
  row->addWidget(scale_);
  row->addStretch();
  row->addWidget(apply);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addLayout(row);
  connect(apply, &QPushButton::clicked, this, [this] { Apply(); });
  ShowStoredSettings();
}

// Boxes off and no scale chosen until dia.set is written.
void DiaSet::ShowStoredSettings() {
  const auto stored = ReadStoredLayoutSettings(kLayoutSettingsFile);
  if (!stored) return;
  for (size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setChecked((*stored)[i] != 0);
  scale_->setCurrentIndex(scale_->findText(QString::number((*stored)[10])));
}

void DiaSet::Apply() {
  StoredLayoutSettings values{};
  for (size_t i = 0; i < boxes_.size(); ++i) values[i] = boxes_[i]->isChecked() ? 1 : 0;
  values[10] = int(LeadingNumber(scale_->currentText().toStdString()));
  WriteStoredLayoutSettings(kLayoutSettingsFile, values);
  accept();
}

}  // namespace trimora
