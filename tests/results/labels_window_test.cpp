// The label definition as the launcher's Labels button edits it, and the Layouts window's
// Print Labels for the layout on display or for all layouts.

#include "results/labels_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <algorithm>
#include <filesystem>

#include "../shell/main_window_fixture.h"
#include "engine/optimization_run.h"
#include "results/label_sheet.h"
#include "results/layouts_window.h"
#include "shell/launcher.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

using LabelsWindowTest = testing::MainWindowTest;

int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST_F(LabelsWindowTest, TheLaunchersLabelsButtonEditsOneDefinition) {
  WriteFile("lbl.def", "\"2\",\"1\",\"30\",\"0\",\"1\"\r\n\"9\",\"9\",\"9\",\"9\",\"9\"\r\n");
  TRIMORA launcher(QString::fromStdString(std::filesystem::current_path().string()), services);
  launcher.findChild<QPushButton*>("labelsButton")->click();
  LABELS* labels = launcher.LabelDefinition();
  ASSERT_NE(labels, nullptr);
  testing::TypeInto(*labels, 1, 1, "3");
  EXPECT_EQ(labels->grid().RowCount(), 2);  // one definition, and typing adds no second one
  dialogs.QueueAnswer(MessageAnswer::Ok);
  QTest::mouseClick(labels->findChild<QPushButton*>("applyButton"), Qt::LeftButton);
  EXPECT_EQ(dialogs.Messages().back().text, kLabelsOutOfRangeMessage);  // 23 labels a row
  EXPECT_TRUE(labels->isVisible());
  EXPECT_EQ(ReadFile("lbl.def"),
            "\"2\",\"1\",\"30\",\"0\",\"1\"\r\n\"9\",\"9\",\"9\",\"9\",\"9\"\r\n");
  testing::TypeInto(*labels, 1, 1, "\b");
  QTest::mouseClick(labels->findChild<QPushButton*>("applyButton"), Qt::LeftButton);
  EXPECT_FALSE(labels->isVisible());
  EXPECT_EQ(ReadFile("lbl.def"), "\"2\",\"1\",\"30\",\"0\",\"1\"\r\n");
}

TEST_F(LabelsWindowTest, PrintLabelsForTheCurrentLayoutOrAllLayouts) {
  WriteFile("basic.tlf", "\"MS\",\"A\",\"2\",\"1550\",\"10\",\"3\",\"\"\r\n");
  WriteFile("sheet.tlf", "\"2500\",\"1250\",\"6\",\"10\",\"10\",\"10\",\"10\",\"\"\r\n");
  WriteFile("cut.tlf", "\"1200\",\"600\",\"7\",\"0\",\"DOOR\"\r\n\"800\",\"500\",\"9\"\r\n");
  RunControl silent;
  ASSERT_TRUE(RunOptimization(silent, 1).resultsWritten);
  printer.setOutputFileName("labels.pdf");
  Dia dia(dialogs, printer, "");
  ASSERT_TRUE(dia.Load());
  const AreaList& records = dia.Model().records;
  const auto pieces = [&records](int layout) {
    return int(std::count_if(records.begin() + 1, records.end(), [layout](const AreaRecord& r) {
      return r.TYPE > 0 && (layout == 0 || r.layout == layout);
    }));
  };
  ASSERT_LT(pieces(1), pieces(0));
  auto* printLabels = dia.findChild<QPushButton*>("printLabelsButton");

  dialogs.QueueAnswer(MessageAnswer::Ok);
  printLabels->click();  // without a definition: the message, no printer asked for
  EXPECT_EQ(dialogs.Messages().back().text, kLabelsNotDefinedMessage);
  EXPECT_TRUE(dialogs.PrintDialogs().empty());
  EXPECT_FALSE(std::filesystem::exists("labels.pdf"));

  WriteFile("lbl.def", "\"3\",\"1\",\"30\",\"0\",\"1\"\r\n");
  dialogs.QueuePrint(PrintDialogAnswer::Selection);
  printLabels->click();
  EXPECT_EQ(Count(ReadFile("lbl.tlf"), "Mat=MS Grade=A Thk=2"), pieces(1));
  EXPECT_TRUE(std::filesystem::exists("labels.pdf"));
  dialogs.QueuePrint(PrintDialogAnswer::AllPages);
  printLabels->click();
  EXPECT_EQ(Count(ReadFile("lbl.tlf"), "Mat=MS Grade=A Thk=2"), pieces(0));
}

}  // namespace
}  // namespace trimora
