#include "results/progress_window.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

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

// A label with the name it is found by.
QLabel* Figure(const char* text, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

Progress::Progress(Run run, QWidget* parent)
    : QDialog(parent),
      message_(Figure(kMessagePreparing, "message", this)),
      trialsLeft_(Figure("0", "trialsLeft", this)),
      improvements_(Figure("0", "improvements", this)),
      layouts_(Figure("0", "layouts", this)),
      stockArea_(Figure("0", "stockArea", this)),
      yield_(Figure("", "yield", this)),
      bar_(new QProgressBar(this)),
      button_(new QPushButton(kStop, this)),
      figures_(new QWidget(this)),
      run_(std::move(run)) {
  setWindowTitle("Progress");
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  bar_->setObjectName("progressBar");
  button_->setObjectName("stopOkButton");
  message_->setWordWrap(true);
  auto* form = new QFormLayout(figures_);
  form->setContentsMargins(0, 0, 0, 0);
  form->addRow("Trials left:", trialsLeft_);
  form->addRow("Improvements:", improvements_);
  form->addRow("Layouts:", layouts_);
  auto* area = new QHBoxLayout;
  area->addWidget(stockArea_);
  area->addSpacing(12);
  area->addWidget(new QLabel("Yield:", this));
  area->addWidget(yield_);
  area->addStretch();
  form->addRow("Total stock area:", area);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(message_);
  layout->addWidget(figures_);
  layout->addWidget(bar_);
  layout->addStretch();  // a taller window keeps the figures together, the button at the bottom
  layout->addWidget(button_, 0, Qt::AlignHCenter);
  bar_->setTextVisible(false);
  SetFiguresVisible(false);
  button_->setDefault(true);
  connect(button_, &QPushButton::clicked, this, [this] { StopOrClose(); });
  setMinimumWidth(420);
}

void Progress::SetFiguresVisible(bool visible) {
  figures_->setVisible(visible);
  bar_->setVisible(visible);
}

void Progress::StopOrClose() {
  if (button_->text() == kStop) {
    message_->setText(kMessageTerminating);
  } else if (button_->text() == kOk) {
    accept();
  }
}

// Once per showing, after the window is on the screen.
void Progress::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  QTimer::singleShot(0, this, [this] { StartRun(); });
}

void Progress::reject() {
  if (button_->text() == kOk) QDialog::reject();
}

void Progress::StartRun() {
  if (running_) return;
  running_ = true;
  button_->setText(kStop);
  button_->setFocus();
  result_ = run_(*this);
  running_ = false;
  bar_->setVisible(false);
  button_->setText(kOk);
}

void Progress::ShowRunStart(int32_t trialCount, int16_t mode) {
  if (mode == 1) PaintRed(stockArea_);
  if (mode == 2) PaintRed(layouts_);
  bar_->setMaximum(trialCount);
  bar_->setMinimum(0);
  bar_->setValue(0);
  message_->setText(kMessageOptimizing);
  SetFiguresVisible(true);
}

void Progress::ShowTrialProgress(int32_t trialsLeft, int16_t improvements, int32_t trial) {
  trialsLeft_->setText(QString::number(trialsLeft));
  improvements_->setText(QString::number(improvements));
  bar_->setValue(trial);
}

void Progress::ShowBestTotals(float totalStockArea, int16_t layouts, float yield) {
  stockArea_->setText(Text(StockAreaText(totalStockArea)));
  layouts_->setText(QString::number(layouts));
  yield_->setText(Text(YieldPercentText(yield)));
}

void Progress::SetMessage(const std::string& text) { message_->setText(Text(text)); }

bool Progress::StopRequested() { return message_->text() == kMessageTerminating; }

void Progress::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void Progress::Beep() { QApplication::beep(); }

}  // namespace trimora
