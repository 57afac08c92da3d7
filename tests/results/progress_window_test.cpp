#include "results/progress_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace trimora {
namespace {

QString Shown(const Progress& window, const char* label) {
  return window.findChild<QLabel*>(label)->text();
}

TEST(ProgressWindowTest, ShowsTheRunAndStopsItThenOffersOk) {
  Progress* window = nullptr;
  QPushButton* button = nullptr;
  QProgressBar* bar = nullptr;
  Progress progress([&](RunControl& control) {
    EXPECT_EQ(Shown(*window, "message"), "Preparing...");
    control.ShowRunStart(198, 1);
    EXPECT_TRUE(bar->isVisible());
    control.ShowBestTotals(7500.5f, 3, 0.943507f);
    control.ShowTrialProgress(197, 1, 1);
    EXPECT_EQ(Shown(*window, "trialsLeft"), "197");
    EXPECT_EQ(Shown(*window, "improvements"), "1");
    window->reject();                           // Escape does not close the window during the run
    QTest::mouseClick(button, Qt::LeftButton);  // Stop
    EXPECT_TRUE(control.StopRequested());
    control.SetMessage(kMessageStopped);
    return RunResult{};
  });
  window = &progress;
  button = progress.findChild<QPushButton*>("stopOkButton");
  bar = progress.findChild<QProgressBar*>("progressBar");
  progress.show();
  QTest::qWait(20);  // the run starts from a zero-delay timer once the window is shown
  EXPECT_TRUE(progress.isVisible());
  EXPECT_EQ(Shown(progress, "stockArea"), "7500.50");
  EXPECT_EQ(Shown(progress, "layouts"), "3");
  EXPECT_EQ(Shown(progress, "yield"), "94.35 %");
  EXPECT_EQ(progress.findChild<QLabel*>("stockArea")->palette().color(QPalette::WindowText),
            QColor(255, 0, 0));
  EXPECT_FALSE(bar->isVisible());
  EXPECT_EQ(button->text(), "OK");
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_FALSE(progress.isVisible());
}

}  // namespace
}  // namespace trimora
