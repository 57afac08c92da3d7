#include "results/progress_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace trimora {
namespace {

TEST(ProgressWindowTest, ShowsTheRunAndStopsItThenOffersOk) {
  Progress* window = nullptr;
  Progress progress([&](RunControl& control) {
    EXPECT_EQ(window->Msglbl->text(), "Preparing...");
    control.ShowRunStart(198, 1);
    EXPECT_TRUE(window->PBar->isVisible());
    control.ShowBestTotals(7500.5f, 3, 0.943507f);
    control.ShowTrialProgress(197, 1, 1);
    EXPECT_EQ(window->Trialslbl->text(), "197");
    EXPECT_EQ(window->Improvementslbl->text(), "1");
    window->reject();  // Escape does not close the window during the run
    QTest::mouseClick(window->cmd, Qt::LeftButton);  // Stop
    EXPECT_TRUE(control.StopRequested());
    control.SetMessage(kMessageStopped);
    return RunResult{};
  });
  window = &progress;
  progress.show();
  QTest::qWait(20);  // the run starts from a zero-delay timer once the window is shown
  EXPECT_TRUE(progress.isVisible());
  EXPECT_EQ(progress.Yieldlbl->text(), "7500.50");
  EXPECT_EQ(progress.NOLlbl->text(), "3");
  EXPECT_EQ(progress.Percentlbl->text(), "94.35 %");
  EXPECT_EQ(progress.Yieldlbl->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_FALSE(progress.PBar->isVisible());
  EXPECT_EQ(progress.cmd->text(), "OK");
  QTest::mouseClick(progress.cmd, Qt::LeftButton);
  EXPECT_FALSE(progress.isVisible());
}

}  // namespace
}  // namespace trimora
