#include "results/progress_window.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace trimora {

namespace {

constexpr const char* kStop = "Stop";
constexpr const char* kOk = "OK";

QString Text(const std::string& text) { return QString::fromLatin1(text); }

void PaintRed(QLabel* label) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
  label->setPalette(palette);
}

}  // namespace

Progress::Progress(Run run, QWidget* parent)
    : QDialog(parent),
      Msglbl(new QLabel(kMessagePreparing, this)),
      Hdlbl(new QLabel("Total Layouts      Total Area", this)),
      NOLlbl(new QLabel("0", this)),
      Yieldlbl(new QLabel("0", this)),
      Comblbl(new QLabel(this)),
      PBar(new QProgressBar(this)),
      cmd(new QPushButton(kStop, this)),
      run_(std::move(run)) {
  setWindowTitle("Progress");
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QGridLayout(this);
  layout->addWidget(Msglbl, 0, 0, 1, 2);
  layout->addWidget(Hdlbl, 1, 0, 1, 2);
  // Each total under its word of the heading.
  auto* totals = new QHBoxLayout;
  totals->setSpacing(0);
  NOLlbl->setFixedWidth(Hdlbl->fontMetrics().horizontalAdvance("Total Layouts      "));
  totals->addWidget(NOLlbl);
  totals->addWidget(Yieldlbl, 1);
  layout->addLayout(totals, 2, 0, 1, 2);
  layout->addWidget(Comblbl, 3, 0, 1, 2);
  layout->addWidget(PBar, 4, 0, 1, 2);
  layout->addWidget(cmd, 5, 0, 1, 2, Qt::AlignHCenter);
  PBar->setTextVisible(false);
  for (QWidget* hidden : std::initializer_list<QWidget*>{PBar, Hdlbl, Yieldlbl, NOLlbl, Comblbl})
    hidden->setVisible(false);
  cmd->setDefault(true);
  connect(cmd, &QPushButton::clicked, this, [this] { cmd_Click(); });
  setMinimumWidth(360);
}

void Progress::cmd_Click() {
  if (cmd->text() == kStop) {
    Msglbl->setText(kMessageTerminating);
  } else if (cmd->text() == kOk) {
    accept();
  }
}

// Once per showing, after the window is on the screen.
void Progress::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  QTimer::singleShot(0, this, [this] { StartRun(); });
}

void Progress::reject() {
  if (cmd->text() == kOk) QDialog::reject();
}

void Progress::StartRun() {
  if (running_) return;
  running_ = true;
  cmd->setText(kStop);
  cmd->setFocus();
  result_ = run_(*this);
  running_ = false;
  PBar->setVisible(false);
  Comblbl->setVisible(false);
  cmd->setText(kOk);
}

void Progress::ShowRunStart(int32_t trialCount, int16_t mode) {
  if (mode == 1) PaintRed(Yieldlbl);
  if (mode == 2) PaintRed(NOLlbl);
  PBar->setMaximum(trialCount);
  PBar->setMinimum(0);
  PBar->setValue(0);
  Msglbl->setText(kMessageOptimizing);
  for (QWidget* shown : std::initializer_list<QWidget*>{PBar, Hdlbl, Yieldlbl, NOLlbl, Comblbl})
    shown->setVisible(true);
}

void Progress::ShowTrialProgress(int32_t trialsLeft, int16_t improvements, int32_t trial) {
  Comblbl->setText(Text(ProgressText(trialsLeft, improvements)));
  PBar->setValue(trial);
}

void Progress::ShowBestTotals(float totalStockArea, int16_t layouts) {
  Yieldlbl->setText(Text(StockAreaText(totalStockArea)));
  NOLlbl->setText(QString::number(layouts));
}

void Progress::SetMessage(const std::string& text) { Msglbl->setText(Text(text)); }

bool Progress::StopRequested() { return Msglbl->text() == kMessageTerminating; }

void Progress::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void Progress::Beep() { QApplication::beep(); }

}  // namespace trimora
