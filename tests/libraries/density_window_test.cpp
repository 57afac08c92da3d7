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
  DENSITY window(services);
  EXPECT_EQ(window.grid().Text(2, 1), "COPPER");
  window.show();
  testing::TypeInto(window, 3, 1, "al");
  testing::TypeInto(window, 3, 2, "2.7x");
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
