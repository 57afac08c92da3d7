#include "engine/trial_scheduler.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "engine/trial.h"

namespace trimora {

namespace {

// How many trials each thread may run ahead of the last committed one.
constexpr int32_t kTrialsAheadPerThread = 2;
constexpr int kMaxThreads = 64;
constexpr auto kEventInterval = std::chrono::milliseconds(20);

struct Slot {
  int32_t trial = 0;  // the trial whose outcome waits here; 0 when empty
  TrialOutcome outcome;
};

class TrialScheduler {
 public:
  TrialScheduler(const WorkRolls& rolls, const WorkCuts& cuts, float bladeReach, int16_t mode,
                 bool throughCutsOnly, TrialRange trials, const Solution& start, int threads)
      : rolls_(rolls),
        cuts_(cuts),
        bladeReach_(bladeReach),
        mode_(mode),
        throughCutsOnly_(throughCutsOnly),
        trialCount_(trials.count),
        firstTrial_(trials.first),
        lastTrial_(trials.last),
        window_(std::max(1, threads) * kTrialsAheadPerThread),
        start_(start),
        next_(trials.first),
        committed_(trials.first - 1),
        abandonLimit_(AbandonLimit(start)),
        slots_(size_t(window_)),
        runner_(rolls, cuts, bladeReach, trials.count, throughCutsOnly) {
    for (int i = 1; i < threads; ++i) {
      try {
        workers_.emplace_back([this] { WorkerLoop(); });
      } catch (const std::system_error&) {
        break;  // fewer threads only make the run slower, never different
      }
    }
  }

  ~TrialScheduler() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    for (auto& worker : workers_) worker.join();
  }

  SearchOutcome Run(RunControl& control) {
    SearchOutcome result;
    result.best = start_;
    TrialOutcome outcome;
    for (int32_t trial = firstTrial_; trial <= lastTrial_; ++trial) {
      Obtain(trial, control, outcome);
      Commit(trial, control, outcome, result);
      result.trialsRun = trial - firstTrial_ + 1;
      {
        std::lock_guard lock(mutex_);
        committed_ = trial;
        abandonLimit_ = AbandonLimit(result.best);
      }
      changed_.notify_all();
      control.ShowTrialProgress(lastTrial_ - trial, result.improvements, trial - firstTrial_ + 1);
      if (control.StopRequested()) break;
    }
    return result;
  }

 private:
  bool CanClaim() const { return next_ <= lastTrial_ && next_ <= committed_ + window_; }
  Slot& SlotOf(int32_t trial) { return slots_[size_t(trial % window_)]; }

  void WorkerLoop() {
    TrialRunner runner(rolls_, cuts_, bladeReach_, trialCount_, throughCutsOnly_);
    RunControl noEvents;
    TrialOutcome outcome;
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [this] { return stopping_ || next_ > lastTrial_ || CanClaim(); });
      if (stopping_ || next_ > lastTrial_) return;
      ClaimAndRun(lock, runner, noEvents, outcome);
    }
  }

  // Claims the next trial, runs it against the best plan as committed so far and leaves its
  // outcome in its slot. Called with the lock held; holds it again on return.
  void ClaimAndRun(std::unique_lock<std::mutex>& lock, TrialRunner& runner, RunControl& events,
                   TrialOutcome& outcome) {
    const int32_t trial = next_++;
    const float limit = abandonLimit_;
    lock.unlock();
    runner.Run(trial, limit, events, outcome);
    lock.lock();
    Slot& slot = SlotOf(trial);
    std::swap(slot.outcome, outcome);
    slot.trial = trial;
    changed_.notify_all();
  }

  // The outcome of the trial to commit next: taken from a worker, or run here. While a worker
  // still runs it, this thread runs trials further ahead, or waits with the window responsive.
  void Obtain(int32_t trial, RunControl& control, TrialOutcome& outcome) {
    std::unique_lock lock(mutex_);
    for (;;) {
      Slot& slot = SlotOf(trial);
      if (slot.trial == trial) {
        std::swap(slot.outcome, outcome);
        slot.trial = 0;
        return;
      }
      if (CanClaim()) {
        ClaimAndRun(lock, runner_, control, outcome);
        continue;
      }
      changed_.wait_for(lock, kEventInterval);
      lock.unlock();
      control.ProcessPendingEvents();
      lock.lock();
    }
  }

  // Judges the trial against the best plan as it stands after all earlier trials, exactly as
  // if it had just run against it.
  void Commit(int32_t trial, RunControl& control, TrialOutcome& outcome, SearchOutcome& result) {
    const float limit = AbandonLimit(result.best);
    const auto exceeds = [limit](double leastStock) { return ExceedsBestStock(leastStock, limit); };
    bool abandoned =
        std::any_of(outcome.leastFinalStock.begin(), outcome.leastFinalStock.end(), exceeds);
    if (outcome.end == TrialEnd::kAbandoned && !abandoned) {
      // Run ahead against a best plan that has since been replaced by one using more stock:
      // the trial must go on past the point where it stopped.
      runner_.Run(trial, limit, control, outcome);
      abandoned = outcome.end == TrialEnd::kAbandoned;
    }
    if (abandoned || outcome.end != TrialEnd::kComplete) return;
    CompareSolutions(outcome.solution, result.best, mode_, result.improvements);
    const SolutionMeasures measures = SolutionMetrics(result.best.records);
    control.ShowBestTotals(TotalStockArea(result.best.records), measures.layouts, measures.yield);
  }

  const WorkRolls& rolls_;
  const WorkCuts& cuts_;
  const float bladeReach_;
  const int16_t mode_;
  const bool throughCutsOnly_;
  const int32_t trialCount_;
  const int32_t firstTrial_;
  const int32_t lastTrial_;
  const int32_t window_;
  const Solution& start_;

  std::mutex mutex_;
  std::condition_variable changed_;
  int32_t next_;       // the next trial to claim
  int32_t committed_;  // the last trial committed
  float abandonLimit_;
  bool stopping_ = false;
  std::vector<Slot> slots_;  // trial t waits in slots_[t % window_]

  TrialRunner runner_;  // the calling thread's own
  std::vector<std::thread> workers_;
};

int ThreadCount(int threads, int32_t trialCount) {
  if (threads <= 0) threads = int(std::thread::hardware_concurrency());
  threads = std::clamp(threads, 1, kMaxThreads);
  return int(std::min<int64_t>(threads, std::max<int32_t>(trialCount, 1)));
}

}  // namespace

SearchOutcome SearchBestSolution(const WorkRolls& rolls, const WorkCuts& cuts, float bladeReach,
                                 int16_t mode, bool throughCutsOnly, int32_t trialCount,
                                 RunControl& control, int threads) {
  return SearchBestSolution(rolls, cuts, bladeReach, mode, throughCutsOnly,
                            {1, trialCount, trialCount}, Solution{}, control, threads);
}

SearchOutcome SearchBestSolution(const WorkRolls& rolls, const WorkCuts& cuts, float bladeReach,
                                 int16_t mode, bool throughCutsOnly, TrialRange trials,
                                 const Solution& start, RunControl& control, int threads) {
  const int32_t trialsToRun = std::max(trials.last - trials.first + 1, 0);
  TrialScheduler scheduler(rolls, cuts, bladeReach, mode, throughCutsOnly, trials, start,
                           ThreadCount(threads, trialsToRun));
  return scheduler.Run(control);
}

}  // namespace trimora
