// The whole road of one optimization in the windowed program: F5, the progress window, the
// Save As dialog and the Layouts window.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>

#include "libraries/density_window.h"
#include "main_window_fixture.h"
#include "modal_driver.h"
#include "results/layouts_window.h"
#include "results/progress_window.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

constexpr const char* kDefaults =
    "[BASIC.TLF]\r\n\"AL\",\"H14\",\"3\",\"1550\",\"10\",\"3\",\"\"\r\n[END]\r\n"
    "[OPTIONS.TLF]\r\n-1,0\r\n[END]\r\n";

class OptimizeWindowTest : public testing::MainWindowTest {
 protected:
  // One stock size and the cut-pieces typed into the grids: length, width, quantity.
  void TypeJob(const std::vector<std::array<const char*, 3>>& cuts) {
    WriteFile("Defaults", kDefaults);
    Open();
    for (auto [column, keys] : {std::pair{1, "2500"}, std::pair{2, "1250"}, std::pair{3, "20"}})
      TypeAt(JobWindow::Sheet, 1, column, keys);
    for (size_t i = 0; i < cuts.size(); ++i) {
      for (int column = 1; column <= 3; ++column)
        TypeAt(JobWindow::Cut, int(i) + 1, column, cuts[i][size_t(column) - 1]);
    }
  }

  // Clicks OK once the run has ended and remembers the final message; a first click on Stop
  // once stopAfterTrial trials are done.
  std::function<void(QWidget*)> DriveProgress(int stopAfterTrial = 0) {
    return [this, stopAfterTrial](QWidget* modal) {
      auto* progress = dynamic_cast<Progress*>(modal);
      if (!progress) return;
      if (stopAfterTrial > 0 && progress->cmd->text() == "Stop" && trialsAtStop == 0 &&
          progress->PBar->value() >= stopAfterTrial) {
        trialsAtStop = progress->PBar->value();
        QTest::mouseClick(progress->cmd, Qt::LeftButton);
      }
      if (progress->cmd->text() == "OK") {
        finalMessage = progress->Msglbl->text().toStdString();
        progress->cmd_Click();
      }
    };
  }

  std::string finalMessage;
  int trialsAtStop = 0;
};

TEST_F(OptimizeWindowTest, F5RunsSavesAndShowsTheLayouts) {
  TypeJob({{"1200", "600", "5"}, {"800", "500", "7"}});
  dialogs.QueueFile(Path("cabinet.trm"));
  testing::ModalDriver driver(DriveProgress());
  main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
  QTest::keyClick(main.get(), Qt::Key_F5);
  ASSERT_FALSE(driver.TimedOut());
  EXPECT_EQ(finalMessage, "Optimization done.");
  EXPECT_NE(ReadFile("tmp.tlf").find("\"1200\",\"600\",\"5\""), std::string::npos);
  EXPECT_NE(ReadFile("cabinet.trm").find("[DIA.TLF]\r\n1,-1,"), std::string::npos);
  Dia* layouts = main->LayoutsWindow();
  ASSERT_NE(layouts, nullptr);
  const int n = layouts->Model().layouts;
  EXPECT_EQ(layouts->cmb->count(), n);
  EXPECT_EQ(layouts->cmb->currentText(), QString("1 / %1").arg(n));
  // Left for another child window it hides; the View command shows it again as it was.
  layouts->cmb->setCurrentIndex(n - 1);
  main->mnuEdit_Click(5);
  EXPECT_FALSE(layouts->parentWidget()->isVisible());
  main->TB_ButtonClick(13);
  EXPECT_EQ(main->LayoutsWindow(), layouts);
  EXPECT_EQ(main->Area()->activeSubWindow()->widget(), layouts);
  EXPECT_EQ(layouts->CurrentLayout(), n);
  EXPECT_TRUE(dialogs.Messages().empty());
  // A change of sizes unloads it.
  dialogs.QueueAnswer(MessageAnswer::Ok);
  TypeAt(JobWindow::Cut, 1, 3, "6");
  EXPECT_EQ(main->LayoutsWindow(), nullptr);
}

TEST_F(OptimizeWindowTest, StopEndsTheRunWithTheBestPlanSoFar) {
  TypeJob({{"1200", "600", "9"},
           {"800", "500", "11"},
           {"450", "300", "13"},
           {"700", "350", "8"},
           {"300", "200", "17"},
           {"950", "420", "6"}});
  dialogs.QueueFile(std::nullopt);  // Save As cancelled: the layouts are shown all the same
  testing::ModalDriver driver(DriveProgress(1));
  main->TB_ButtonClick(10);
  ASSERT_FALSE(driver.TimedOut());
  EXPECT_GE(trialsAtStop, 1);
  EXPECT_EQ(finalMessage, "Optimization Stopped. (Still results can be viewed)");
  EXPECT_FALSE(ReadFile("dia.tlf").empty());
  EXPECT_NE(main->LayoutsWindow(), nullptr);
}

TEST_F(OptimizeWindowTest, AFailedStartCheckLeavesTheResultsAsTheyWere) {
  WriteFile("Defaults", kDefaults);
  Open();
  WriteFile("dia.tlf", "1,-1,1,0,0,1255,2400,1,0\r\n");  // an earlier run's
  dialogs.QueueFile(std::nullopt);
  testing::ModalDriver driver(DriveProgress());
  main->mnuOptimize_Click(1);
  ASSERT_FALSE(driver.TimedOut());
  EXPECT_NE(finalMessage, "Optimization done.");
  EXPECT_EQ(ReadFile("dia.tlf"), "1,-1,1,0,0,1255,2400,1,0\r\n");
}

TEST_F(OptimizeWindowTest, AMissingDensityCanBeAddedBeforeTheRun) {
  WriteFile("misc.set", "\"Weight\"\r\n");
  TypeJob({{"1200", "600", "2"}});
  dialogs.QueueAnswer(MessageAnswer::Yes);  // edit the Density Table?
  dialogs.QueueAnswer(MessageAnswer::Yes);  // Save Changes?
  dialogs.QueueFile(std::nullopt);
  const auto progress = DriveProgress();
  testing::ModalDriver driver([&](QWidget* modal) {
    if (auto* density = dynamic_cast<DENSITY*>(modal)) {
      density->grid().SetText(1, 1, "AL");
      density->grid().SetText(1, 2, "2.7");
      QTest::mouseClick(density->cmdClose, Qt::LeftButton);
    }
    progress(modal);
  });
  main->mnuOptimize_Click(1);
  ASSERT_FALSE(driver.TimedOut());
  EXPECT_EQ(ReadFile("density.dat"), "\"AL\",\"2.7\"\r\n");
  EXPECT_EQ(dialogs.Messages().size(), 2u);
  EXPECT_EQ(finalMessage, "Optimization done.");
}

}  // namespace
}  // namespace trimora
