#pragma once
// The command line's view of a running optimization: on a terminal one line on stderr that
// updates in place; otherwise nothing until the final lines. SIGINT is the Stop button.

#include <signal.h>

#include <chrono>
#include <string>

#include "engine/run_control.h"

namespace trimora {

class CliProgress : public RunControl {
 public:
  explicit CliProgress(bool liveLine);
  ~CliProgress() override;
  CliProgress(const CliProgress&) = delete;
  CliProgress& operator=(const CliProgress&) = delete;

  void ShowRunStart(int32_t trialCount, int16_t mode) override;
  void ShowTrialProgress(int32_t trialsLeft, int16_t improvements, int32_t trial) override;
  void ShowBestTotals(float totalStockArea, int16_t layouts, float yield) override;
  void SetMessage(const std::string& text) override;
  bool StopRequested() override;

  // Ends the live line so that the final lines start on a fresh one.
  void Finish();

 private:
  void Redraw(bool force);

  bool liveLine_;
  struct sigaction previous_[3];  // the handlers of SIGINT, SIGTERM and SIGHUP before the run
  bool lineShown_ = false;
  std::string message_;
  int32_t trialCount_ = 0;
  int32_t trial_ = 0;
  int16_t improvements_ = 0;
  float bestArea_ = 0;
  int16_t bestLayouts_ = 0;
  float bestYield_ = 0;
  std::chrono::steady_clock::time_point lastDraw_{};
};

}  // namespace trimora
