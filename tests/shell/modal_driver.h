#pragma once
// Acts on the modal windows the code under test opens, as a user would, without ever waiting
// for a real one: every few milliseconds the step sees the active modal window (it may click
// its buttons). A window still open after the time limit is closed and the driver reports it.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

namespace trimora::testing {

class ModalDriver {
 public:
  explicit ModalDriver(std::function<void(QWidget*)> step, int limitMs = 60000)
      : step_(std::move(step)), limitMs_(limitMs) {
    clock_.start();
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    timer_.start(5);
  }

  bool TimedOut() const { return timedOut_; }

 private:
  void Tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (clock_.elapsed() > limitMs_) {
      timedOut_ = true;
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(QDialog::Rejected);
      return;
    }
    step_(modal);
  }

  std::function<void(QWidget*)> step_;
  int limitMs_;
  QElapsedTimer clock_;
  QTimer timer_;
  bool timedOut_ = false;
};

}  // namespace trimora::testing
