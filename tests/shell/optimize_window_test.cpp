// The whole road of one optimization in the windowed program: F5, the progress window, the
// Save As dialog and the Layouts window.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>

#include "engine/cut_sequence.h"
#include "engine/layout_results.h"
#include "main_window_fixture.h"
#include "modal_driver.h"
#include "results/layouts_window.h"
#include "results/progress_window.h"
#include "storage/job_file.h"

namespace trimora {
namespace {

using testing::ReadFile;

class OptimizeWindowTest : public testing::MainWindowTest {
 protected:
  // Presses F5 in the main window, saves the job as `name` when asked and answers OK once the
  // run has ended; returns the run's final message.
  std::string OptimizeAndSaveAs(const char* name) {
    dialogs.QueueFile(Path(name));
    std::string finalMessage;
    testing::ModalDriver driver([&](QWidget* modal) {
      auto* progress = dynamic_cast<Progress*>(modal);
      if (!progress) return;
      auto* button = progress->findChild<QPushButton*>("stopOkButton");
      if (button->text() == "OK") {
        finalMessage = progress->findChild<QLabel*>("message")->text().toStdString();
        button->click();
      }
    });
    main->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(main.get()));
    QTest::keyClick(main.get(), Qt::Key_F5);
    EXPECT_FALSE(driver.TimedOut());
    return finalMessage;
  }
};

TEST_F(OptimizeWindowTest, F5RunsSavesAndShowsTheLayouts) {
  testing::WriteFile("basic.tlf", "\"AL\",\"H14\",\"3\",\"1550\",\"10\",\"3\",\"\"\r\n");
  testing::WriteFile("sheet.tlf", "\"2500\",\"1250\",\"20\"\r\n");
  Open();
  TypeAt(JobWindow::Cut, 1, 1, "1200");  // typed rows reach the run
  TypeAt(JobWindow::Cut, 1, 2, "600");
  TypeAt(JobWindow::Cut, 1, 3, "5");
  EXPECT_EQ(OptimizeAndSaveAs("cabinet.trm"), "Optimization done.");
  EXPECT_NE(ReadFile("tmp.tlf").find("\"1200\",\"600\",\"5\""), std::string::npos);
  EXPECT_NE(ReadFile("cabinet.trm").find("[DIA.TLF]\r\n1,-1,"), std::string::npos);
  Dia* layouts = main->LayoutsWindow();
  ASSERT_NE(layouts, nullptr);
  const int n = layouts->Model().layouts;
  // Left for another child window it hides; the View command shows it again as it was.
  layouts->findChild<QComboBox*>("layoutSelector")->setCurrentIndex(n - 1);
  Run("actionCutPieceMeasurements");
  EXPECT_FALSE(layouts->parentWidget()->isVisible());
  Run("actionLayouts");
  EXPECT_EQ(main->LayoutsWindow(), layouts);
  EXPECT_EQ(Area().activeSubWindow()->widget(), layouts);
  EXPECT_EQ(layouts->CurrentLayout(), n);
  // File, Export Layout(s) to DXF exports through it.
  dialogs.QueueAnswer(MessageAnswer::No);  // the current layout only
  dialogs.QueueFile(Path("last.dxf"));
  Run("actionExportDxf");
  EXPECT_NE(ReadFile("last.dxf").find("\r\nPIECES\r\n"), std::string::npos);
  // A change of sizes unloads it.
  dialogs.QueueAnswer(MessageAnswer::Ok);
  TypeAt(JobWindow::Cut, 1, 3, "6");
  EXPECT_EQ(main->LayoutsWindow(), nullptr);
}

// The demo job's standard plan holds layouts a shear cannot take apart; with Optimize,
// Straight through-cuts only ticked, F5 plans none.
TEST_F(OptimizeWindowTest, ThroughCutsOnlyGivesLayoutsAShearCanCut) {
  JobWindows noWindows;
  OptimizeOptions options;
  ASSERT_TRUE(LoadJob(TRIMORA_EXAMPLES "/demo-optimized.trm", noWindows, options).ok);
  const auto separable = [] {
    AreaList records;
    EXPECT_EQ(ReadLayoutResults(records), LayoutResultsStatus::kLayouts);
    const auto sequences = DeriveCutSequences(records);
    return std::all_of(sequences.begin(), sequences.end(),
                       [](const auto& s) { return s.second.separable; });
  };
  EXPECT_FALSE(separable());
  Open();
  Run("actionThroughCutsOnly");
  EXPECT_EQ(OptimizeAndSaveAs("shear.trm"), "Optimization done.");
  EXPECT_TRUE(separable());
}

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
