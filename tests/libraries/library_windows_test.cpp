// The Material Library, Product Library, Density Table and Load Products windows, driven as a
// user would, with scripted dialogs.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "libraries/density_window.h"
#include "libraries/loadprod_window.h"
#include "libraries/mlm_window.h"
#include "libraries/plm_window.h"
#include "shell/main_window_fixture.h"
#include "storage/report_measure.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

constexpr const char* kLibrary =
    "\"MS\",\"A\",\"2\",\"1000\",\"1250\",\"3\",\"BAY 1\"\r\n"
    "\"AL\" , \"H14\",\"2\",\"2000\",\"1000\",\"1\",\"\"\r\n";

using testing::ActionOf;
using testing::TypeInto;

class LibraryWindows : public testing::MainWindowTest {
 protected:
  static void TypeRow(GridWindow& window, int row, const std::vector<const char*>& cells) {
    for (size_t c = 0; c < cells.size(); ++c) TypeInto(window, row, int(c) + 1, cells[c]);
  }
  static void Done(QWidget& window) { window.findChild<QPushButton*>("doneButton")->click(); }
};

TEST_F(LibraryWindows, DoneWithNoKeepsTheLibraryAndWithYesStoresItMerged) {
  WriteFile("mlm.dat", kLibrary);
  MLM unsaved(services);
  unsaved.show();
  TypeInto(unsaved, 1, 6, "9");
  ActionOf(unsaved, "sortAscendingAction").trigger();  // the sort goes to the working copy
  EXPECT_EQ(ReadFile("mlm.tlf").substr(0, 5), "\"AL\",");
  dialogs.QueueAnswer(MessageAnswer::No);
  Done(unsaved);
  EXPECT_EQ(ReadFile("mlm.dat"), kLibrary);  // byte for byte
  EXPECT_FALSE(unsaved.isVisible());

  MLM window(services);
  window.show();
  ASSERT_EQ(window.grid().RowCount(), 4);
  TypeRow(window, 3, {"ms", "a", "2.0", "1250", "1000", "4", "bay 1"});
  EXPECT_EQ(window.grid().RowCount(), 5);  // a new entry row
  dialogs.QueueAnswer(MessageAnswer::Yes);
  Done(window);
  // The longer side first, and the new row merged with the equal size.
  EXPECT_EQ(ReadFile("mlm.dat"),
            "\"AL\",\"H14\",\"2\",\"2000\",\"1000\",\"1\",\"\"\r\n"
            "\"MS\",\"A\",\"2\",\"1250\",\"1000\",\"7\",\"BAY 1\"\r\n");
  EXPECT_FALSE(window.isVisible());
}

// Row commands and Undo, by their keys and the context menu's actions, edit only the library.
TEST_F(LibraryWindows, RowsAndUndoByKeysAndContextMenuLeaveTheJobAlone) {
  WriteFile("mlm.dat", kLibrary);
  WriteFile("dia.tlf", "1,-1,1,0,0,1255,2400,1,0\r\n");
  MLM window(services);
  window.show();
  TypeInto(window, 1, 7, "x");
  window.grid().row = window.grid().rowSel = 2;
  GridView& view = testing::ViewOf(window);
  view.Refresh();
  QTest::keyClick(&view, Qt::Key_Insert, Qt::ControlModifier);
  ASSERT_EQ(window.grid().RowCount(), 5);
  EXPECT_EQ(window.grid().Text(3, 1), "AL");
  ActionOf(window, "deleteRowAction").trigger();
  EXPECT_EQ(window.grid().Text(2, 1), "AL");
  EXPECT_EQ(ActionOf(window, "undoAction").text(), "Undo Delete Row");
  for (int i = 0; i < 3; ++i) QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window.grid().Text(1, 7), "BAY 1");
  EXPECT_FALSE(ActionOf(window, "undoAction").isEnabled());
  QTest::keyClick(&view, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(window.grid().Text(1, 7), "BAY 1X");
  EXPECT_EQ(ActionOf(window, "redoAction").text(), "Redo Insert Row");
  EXPECT_NE(ReadFile("dia.tlf"), "");
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(LibraryWindows, AutomaticMergeRunsOnceWhenTheGridGetsTheFocus) {
  WriteFile("mlm.dat",
            std::string(kLibrary) + "\"MS\",\"A\",\"2\",\"1250\",\"1000\",\"2\",\"BAY 1\"\r\n");
  MLM window(services);
  window.RequestAutomaticMerge();
  window.show();
  window.activateWindow();
  testing::ViewOf(window).setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
  EXPECT_TRUE(dialogs.Messages().empty());
  // No exchange of sides here: 1000 by 1250 and 1250 by 1000 stay apart.
  EXPECT_EQ(ReadFile("mlm.dat"),
            "\"AL\",\"H14\",\"2\",\"2000\",\"1000\",\"1\",\"\"\r\n"
            "\"MS\",\"A\",\"2\",\"1000\",\"1250\",\"3\",\"BAY 1\"\r\n"
            "\"MS\",\"A\",\"2\",\"1250\",\"1000\",\"2\",\"BAY 1\"\r\n");
  WriteFile("mlm.dat", kLibrary);
  window.RunRequestedMerge();  // the request was used up
  EXPECT_EQ(ReadFile("mlm.dat"), kLibrary);
}

TEST_F(LibraryWindows, ProductLibraryDoneRebuildsTheProductList) {
  WriteFile("plm.dat", "\"TABLE\",\"TOP\",\"MS\",\"A\",\"2\",\"1200\",\"600\",\"1\"\r\n");
  PLM window(services);
  window.show();
  TypeRow(window, 2, {"chair", "seat", "ms", "a", "2", "400", "400", "1"});
  dialogs.QueueAnswer(MessageAnswer::Yes);
  Done(window);
  EXPECT_EQ(ReadFile("products.lst"), "\"CHAIR\"\r\n\"TABLE\"\r\n");  // saved, and the list rebuilt
  EXPECT_FALSE(window.isVisible());
}

// A density no weight can be computed from is refused and the window stays open on it; once
// corrected, the table is written sorted by material.
TEST_F(LibraryWindows, DensityDoneRefusesADensityOutOfRangeAndWritesTheTableSorted) {
  WriteFile("density.dat", "\"STEEL\",\"7.85\"\r\n\"COPPER\",\"8.96\"\r\n");
  DENSITY window(services);
  window.show();
  TypeRow(window, 3, {"al", "99999999999"});
  dialogs.QueueAnswer(MessageAnswer::Yes);
  dialogs.QueueAnswer(MessageAnswer::Ok);
  Done(window);
  EXPECT_EQ(dialogs.Messages().back().text,
            std::string(kDensityOutOfRangeMessage) + " Row 3 holds 99999999999.");
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.grid().row, 3);
  EXPECT_EQ(ReadFile("density.dat"), "\"STEEL\",\"7.85\"\r\n\"COPPER\",\"8.96\"\r\n");
  window.grid().SetText(3, 2, "");
  TypeInto(window, 3, 2, "2.7x");
  dialogs.QueueAnswer(MessageAnswer::Yes);
  Done(window);
  EXPECT_EQ(ReadFile("density.dat"),
            "\"AL\",\"2.7\"\r\n\"COPPER\",\"8.96\"\r\n\"STEEL\",\"7.85\"\r\n");
  EXPECT_FALSE(window.isVisible());
}

// --- Load Products with the Product Choice -------------------------------------------------

class ProductWindows : public testing::MainWindowTest {
 protected:
  ProductWindows() {
    WriteFile("plm.dat",
              "\"BENCH\",\"SEAT\",\"MS\",\"A\",\"2\",\"1200\",\"300\",\"1\"\r\n"
              "\"CHAIR\",\"LEG\",\"MS\",\"A\",\"2.00\",\"450\",\"40\",\"4\"\r\n");
    WriteFile("products.lst", "\"BENCH\"\r\n\"CHAIR\"\r\n");
    WriteFile("loadprod.tlf", "\"OLD\",\"1\",\"\"\r\n");
  }
};

TEST_F(ProductWindows, AKeyInTheProductColumnOpensTheChoice) {
  LOADPROD window(services);
  window.show();
  TypeInto(window, 1, 1, "x");
  EXPECT_EQ(dialogs.Beeps(), 1);
  Choice* choice = window.ProductChoice();
  ASSERT_NE(choice, nullptr);
  EXPECT_TRUE(choice->isModal());
  auto* list = choice->findChild<QListWidget*>("productList");
  ASSERT_EQ(list->count(), 2);
  list->setCurrentRow(1);
  choice->findChild<QPushButton*>("selectButton")->click();
  EXPECT_EQ(window.grid().Text(1, 1), "CHAIR");
  EXPECT_FALSE(choice->isVisible());

  TypeInto(window, 1, 1, "y");
  QTest::keyClick(window.ProductChoice(), Qt::Key_Escape);  // no choice
  EXPECT_EQ(window.grid().Text(1, 1), "CHAIR");
}

TEST_F(ProductWindows, OpensEmptyAndWritesTheJobOfTheTypedOrder) {
  LOADPROD window(services);
  window.show();
  EXPECT_EQ(window.grid().RowCount(), 2);  // the earlier order list is gone
  auto* prefix = window.findChild<QLineEdit*>("prefixBox");
  EXPECT_EQ(prefix->text(), "ABCD");
  EXPECT_EQ(window.findChild<QComboBox*>("typeBox")->currentText(), ".TRM");
  window.grid().SetText(1, 1, "CHAIR");
  TypeInto(window, 1, 2, "3");
  TypeInto(window, 1, 3, "acme");
  prefix->setText(" ORDER7 ");
  WriteFile("Defaults", testing::kDefaultsJob);
  dialogs.QueueAnswer(MessageAnswer::Ok);
  window.findChild<QPushButton*>("loadButton")->click();
  EXPECT_EQ(dialogs.Messages().back().text, "1 '.TRM' file(s) starting from ORDER7 generated.");
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(std::filesystem::exists("loadprod.tlf"));
  const std::string job = ReadFile("ORDER7[MAT=MS,GRADE=A,THICK=2].TRM");
  EXPECT_NE(job.find("\"450\",\"40\",\"12\",\"\",\"LEG\",\"CHAIR\",\"ACME\""), std::string::npos)
      << job;
}

}  // namespace
}  // namespace trimora
