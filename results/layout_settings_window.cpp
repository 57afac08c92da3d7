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

constexpr std::array<const char*, 10> kCaptions = {"Basic Details List",   "Sheet Dimensions",
                                                   "Margin Dimensions",    "Only First In Block",
                                                   "Cut-Piece Dimensions", "Cut-Piece Description",
                                                   "Cut-Piece Color",      "OffCut Dimensions",
                                                   "OffCut Boundries",     "OffCut List"};

}  // namespace

DiaSet::DiaSet(QWidget* parent)
    : QDialog(parent), cmb(new QComboBox(this)), cmdApply(new QPushButton("Apply", this)) {
  setWindowTitle("Layout Settings");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* frame = new QGroupBox("Show", this);
  auto* boxes = new QVBoxLayout(frame);
  for (size_t i = 0; i < chk.size(); ++i) {
    chk[i] = new QCheckBox(kCaptions[i], frame);
    boxes->addWidget(chk[i]);
  }
  auto* scale = new QHBoxLayout;
  scale->addWidget(new QLabel("Printer Scale", this));
  scale->addWidget(cmb);
  scale->addStretch();
  scale->addWidget(cmdApply);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addLayout(scale);
  connect(cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
  DiaSet_Form_Load();
}

void DiaSet::DiaSet_Form_Load() {
  for (int i = 1; i <= 5; ++i) cmb->addItem(QString::number(i));
  cmb->setCurrentIndex(-1);
  const auto stored = ReadStoredLayoutSettings(kLayoutSettingsFile);
  if (!stored) return;
  for (size_t i = 0; i < chk.size(); ++i) chk[i]->setChecked((*stored)[i] != 0);
  cmb->setCurrentIndex(cmb->findText(QString::number((*stored)[10])));
}

void DiaSet::cmdApply_Click() {
  StoredLayoutSettings values{};
  for (size_t i = 0; i < chk.size(); ++i) values[i] = chk[i]->isChecked() ? 1 : 0;
  values[10] = int(LeadingNumber(cmb->currentText().toStdString()));
  WriteStoredLayoutSettings(kLayoutSettingsFile, values);
  accept();
}

}  // namespace trimora
