// Load Products with the Product Choice, driven as a user would, and the generated job opened
// in the main window.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "libraries/loadprod_window.h"
#include "shell/main_window_fixture.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

constexpr const char* kDefaults =
    "[BASIC.TLF]\r\n\"AL\",\"H14\",\"3\",\"1550\",\"10\",\"3\",\"\"\r\n[END]\r\n"
    "[OPTIONS.TLF]\r\n-1,0\r\n[END]\r\n[SHEET.TLF]\r\n[END]\r\n[CUT.TLF]\r\n[END]\r\n"
    "[DIA.TLF]\r\n[END]\r\n";

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

using testing::TypeInto;

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

TEST_F(ProductWindows, OpensEmptyAndWithDefaultsWritesTheJobThatOpensInTheMainWindow) {
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
  auto* load = window.findChild<QPushButton*>("loadButton");
  dialogs.QueueAnswer(MessageAnswer::Ok);  // the Defaults file is missing
  load->click();
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(std::filesystem::exists("loadprod.tlf"));

  WriteFile("Defaults", kDefaults);
  dialogs.QueueAnswer(MessageAnswer::Ok);
  load->click();
  EXPECT_EQ(dialogs.Messages().back().text, "1 '.TRM' file(s) starting from ORDER7 generated.");
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(std::filesystem::exists("loadprod.tlf"));
  BaseModule& main = Open();
  dialogs.QueueFile(Path("ORDER7[MAT=MS,GRADE=A,THICK=2].TRM"));
  dialogs.QueueAnswer(MessageAnswer::Ok);  // not optimized yet
  main.OpenJob();
  EXPECT_EQ(GridOf(JobWindow::Basic).Text(1, 1), "MS");
  EXPECT_EQ(GridOf(JobWindow::Basic).Text(1, 4), "1550");
  const Grid& cut = GridOf(JobWindow::Cut);
  EXPECT_EQ(cut.Text(1, 3), "12");
  EXPECT_EQ(cut.Text(1, 6), "CHAIR");
  EXPECT_EQ(cut.Text(1, 7), "ACME");
}

}  // namespace
}  // namespace trimora
