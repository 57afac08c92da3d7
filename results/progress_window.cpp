#include "results/progress_window.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
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
      Trialslbl(new QLabel("0", this)),
      Improvementslbl(new QLabel("0", this)),
      NOLlbl(new QLabel("0", this)),
      Yieldlbl(new QLabel("0", this)),
      Percentlbl(new QLabel(this)),
      PBar(new QProgressBar(this)),
      cmd(new QPushButton(kStop, this)),
      figures_(new QWidget(this)),
      run_(std::move(run)) {
  setWindowTitle("Progress");
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  Msglbl->setWordWrap(true);
  auto* form = new QFormLayout(figures_);
  form->setContentsMargins(0, 0, 0, 0);
  form->addRow("Trials left:", Trialslbl);
  form->addRow("Improvements:", Improvementslbl);
  form->addRow("Layouts:", NOLlbl);
  auto* area = new QHBoxLayout;
  area->addWidget(Yieldlbl);
  area->addSpacing(12);
  area->addWidget(new QLabel("Yield:", this));
  area->addWidget(Percentlbl);
  area->addStretch();
  form->addRow("Total stock area:", area);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Msglbl);
  layout->addWidget(figures_);
  layout->addWidget(PBar);
  layout->addWidget(cmd, 0, Qt::AlignHCenter);
  PBar->setTextVisible(false);
  SetFiguresVisible(false);
  cmd->setDefault(true);
  connect(cmd, &QPushButton::clicked, this, [this] { cmd_Click(); });
  setMinimumWidth(420);
}

void Progress::SetFiguresVisible(bool visible) {
  figures_->setVisible(visible);
  PBar->setVisible(visible);
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
  cmd->setText(kOk);
}

void Progress::ShowRunStart(int32_t trialCount, int16_t mode) {
  if (mode == 1) PaintRed(Yieldlbl);
  if (mode == 2) PaintRed(NOLlbl);
  PBar->setMaximum(trialCount);
  PBar->setMinimum(0);
  PBar->setValue(0);
  Msglbl->setText(kMessageOptimizing);
  SetFiguresVisible(true);
}

void Progress::ShowTrialProgress(int32_t trialsLeft, int16_t improvements, int32_t trial) {
  Trialslbl->setText(QString::number(trialsLeft));
  Improvementslbl->setText(QString::number(improvements));
  PBar->setValue(trial);
}

void Progress::ShowBestTotals(float totalStockArea, int16_t layouts, float yield) {
  Yieldlbl->setText(Text(StockAreaText(totalStockArea)));
  NOLlbl->setText(QString::number(layouts));
  Percentlbl->setText(Text(YieldPercentText(yield)));
}

void Progress::SetMessage(const std::string& text) { Msglbl->setText(Text(text)); }

bool Progress::StopRequested() { return Msglbl->text() == kMessageTerminating; }

void Progress::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void Progress::Beep() { QApplication::beep(); }

}  // namespace trimora
