#pragma once
// How an optimization run talks to whoever watches it: the progress window, the command line
// or a test. The run calls these hooks and never includes a window header; every hook does
// nothing by default, so a watcher overrides only what it shows.

#include <cstdint>
#include <string>

#include "storage/number_picture.h"

namespace trimora {

inline constexpr const char* kMessagePreparing = "Preparing...";
inline constexpr const char* kMessageOptimizing = "Optimizing...";
inline constexpr const char* kMessageTerminating = "Terminating...";
inline constexpr const char* kMessageDone = "Optimization done.";
inline constexpr const char* kMessageStopped =
    "Optimization Stopped. (Still results can be viewed)";
inline constexpr const char* kMessageNoPlan =
    "No plan met the whole demand: the stock ran out before every piece was placed.";

class RunControl {
 public:
  virtual ~RunControl() = default;

  // The trials are about to start: the progress bar runs from 0 to trialCount; mode 1 marks
  // the stock-area total as the goal, mode 2 the layout count. The run then sets the message
  // line to "Optimizing...".
  virtual void ShowRunStart(int32_t trialCount, int16_t mode) {
    (void)trialCount;
    (void)mode;
  }

  // After every trial: trials left (trialCount - trial), the improvement count and the
  // progress bar value (trial).
  virtual void ShowTrialProgress(int32_t trialsLeft, int16_t improvements, int32_t trial) {
    (void)trialsLeft;
    (void)improvements;
    (void)trial;
  }

  // After every trial that met the whole demand: the best plan's total stock area (shown as
  // StockAreaText), its number of layouts and its yield (rounded to six decimals).
  virtual void ShowBestTotals(float totalStockArea, int16_t layouts, float yield) {
    (void)totalStockArea;
    (void)layouts;
    (void)yield;
  }

  // The message line: "Optimizing...", a start check's message, or the final message.
  virtual void SetMessage(const std::string& text) { (void)text; }

  // True once the user asked to stop, i.e. the message line reads "Terminating...". Read after
  // every trial and once more at the end to choose the final message.
  virtual bool StopRequested() { return false; }

  // Once per layout step: let the window repaint and take in a click on Stop.
  virtual void ProcessPendingEvents() {}

  // The run has finished its trials and written its results.
  virtual void Beep() {}
};

// The stock-area total with two decimals ("0.00").
inline std::string StockAreaText(float totalStockArea) {
  return PictureNumber(totalStockArea, 1, 2);
}

// The yield as a percentage with two decimals ("94.35 %").
inline std::string YieldPercentText(float yield) {
  return PictureNumber(yield * 100.0f, 1, 2) + " %";
}

}  // namespace trimora
