#pragma once
// The progress window: a modal window in which one optimization run executes. Its appearance
// starts the run; its captioned figures show the trials left, the improvements and the best
// plan's layouts, stock area and yield; its button stops the run after the trial under way,
// and closes the window once the run has ended.

#include <QDialog>
#include <functional>

#include "engine/optimization_run.h"
#include "engine/run_control.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace trimora {

class Progress : public QDialog, public RunControl {
 public:
  // The run to execute; the program passes RunOptimization.
  using Run = std::function<RunResult(RunControl&)>;
  explicit Progress(Run run, QWidget* parent = nullptr);

  // Escape and the close box close the window only once the run has ended.
  void reject() override;

  // True while the run executes.
  bool Running() const { return running_; }

  // What the run came to, once it has ended.
  const RunResult& Result() const { return result_; }

  // RunControl
  void ShowRunStart(int32_t trialCount, int16_t mode) override;
  void ShowTrialProgress(int32_t trialsLeft, int16_t improvements, int32_t trial) override;
  void ShowBestTotals(float totalStockArea, int16_t layouts, float yield) override;
  void SetMessage(const std::string& text) override;
  bool StopRequested() override;
  void ProcessPendingEvents() override;
  void Beep() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // "Stop" asks the run to end after its current trial; "OK" closes the window.
  void StopOrClose();
  void StartRun();
  void SetFiguresVisible(bool visible);

  QLabel* message_;
  QLabel* trialsLeft_;
  QLabel* improvements_;
  QLabel* layouts_;    // the best plan's number of layouts
  QLabel* stockArea_;  // the best plan's total stock area
  QLabel* yield_;      // the best plan's yield in percent
  QProgressBar* bar_;
  QPushButton* button_;
  QWidget* figures_;  // the captioned figures, shown once the trials start
  Run run_;
  bool running_ = false;
  RunResult result_;
};

}  // namespace trimora
