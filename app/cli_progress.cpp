#include "app/cli_progress.h"

#include <csignal>
#include <cstdio>
#include <iterator>

namespace trimora {

namespace {

volatile std::sig_atomic_t stopRequested = 0;

extern "C" void OnInterrupt(int) { stopRequested = 1; }

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

constexpr int kBarWidth = 24;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

CliProgress::CliProgress(bool liveLine) : liveLine_(liveLine) {
  stopRequested = 0;
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  // A terminating signal stops the run as Ctrl+C does, so the best plan is kept and the private
  // working folder removed on the way out.
  for (size_t i = 0; i < std::size(kStopSignals); ++i) {
    sigaction(kStopSignals[i], &action, &previous_[i]);
  }
}

// What was there before: the private folder's removal, once the run is over.
CliProgress::~CliProgress() {
  for (size_t i = 0; i < std::size(kStopSignals); ++i) {
    sigaction(kStopSignals[i], &previous_[i], nullptr);
  }
}

void CliProgress::ShowRunStart(int32_t trialCount, int16_t) { trialCount_ = trialCount; }

void CliProgress::ShowTrialProgress(int32_t, int16_t improvements, int32_t trial) {
  trial_ = trial;
  improvements_ = improvements;
  Redraw(false);
}

void CliProgress::ShowBestTotals(float totalStockArea, int16_t layouts, float yield) {
  bestArea_ = totalStockArea;
  bestLayouts_ = layouts;
  bestYield_ = yield;
}

void CliProgress::SetMessage(const std::string& text) {
  message_ = text;
  Redraw(true);
}

bool CliProgress::StopRequested() {
  if (stopRequested && message_ != kMessageTerminating) SetMessage(kMessageTerminating);
  return stopRequested != 0;
}

void CliProgress::Redraw(bool force) {
  if (!liveLine_ || trialCount_ == 0) return;
  const auto now = std::chrono::steady_clock::now();
  if (!force && now - lastDraw_ < kRedrawInterval) return;
  lastDraw_ = now;

  const int filled = int(int64_t(kBarWidth) * trial_ / trialCount_);
  const std::string bar =
      std::string(size_t(filled), '#') + std::string(size_t(kBarWidth - filled), '-');
  std::fprintf(stderr,
               "\r%s %d trials left, %d improvements, best: %d layouts, stock area %s, yield "
               "%s [%s]\x1b[K",
               message_.c_str(), int(trialCount_ - trial_), int(improvements_), int(bestLayouts_),
               StockAreaText(bestArea_).c_str(), YieldPercentText(bestYield_).c_str(), bar.c_str());
  std::fflush(stderr);
  lineShown_ = true;
}

void CliProgress::Finish() {
  Redraw(true);
  if (lineShown_) std::fputs("\n", stderr);
  lineShown_ = false;
}

}  // namespace trimora
