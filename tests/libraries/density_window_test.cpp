#include "libraries/density_window.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include "../shell/main_window_fixture.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

using DensityWindowTest = testing::MainWindowTest;

TEST_F(DensityWindowTest, DoneWithYesWritesTheTableSortedByMaterial) {
  WriteFile("density.dat", "\"STEEL\",\"7.85\"\r\n\"COPPER\",\"8.96\"\r\n");
  DENSITY window(dialogs, clipboard);
  EXPECT_EQ(window.grid().Text(2, 1), "COPPER");
  window.show();
  for (auto [column, keys] : {std::pair{1, "al"}, std::pair{2, "2.7x"}}) {
    window.grid().row = window.grid().rowSel = 3;
    window.grid().column = window.grid().columnSel = column;
    window.FG->Refresh();
    QTest::keyClicks(window.FG, keys);
  }
  dialogs.QueueAnswer(MessageAnswer::Yes);
  QTest::mouseClick(window.cmdClose, Qt::LeftButton);
  EXPECT_EQ(dialogs.Messages().at(0),
            (Message{"Save Changes?", "Attention!", MessageButtons::YesNo, MessageIcon::Question}));
  EXPECT_EQ(ReadFile("density.dat"),
            "\"AL\",\"2.7\"\r\n\"COPPER\",\"8.96\"\r\n\"STEEL\",\"7.85\"\r\n");
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace trimora
