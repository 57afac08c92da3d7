#include "platform/grid_toolbar.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QToolBar>
#include <vector>

namespace trimora {
namespace {

// True when some pixel of the icon is not fully transparent.
bool Draws(const QIcon& icon) {
  const QImage image = icon.pixmap(16, 16).toImage();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) != 0) return true;
    }
  }
  return false;
}

// Without a desktop icon theme every button still shows an icon, from the program's own where
// the theme has none, says what it does in its tool tip and runs its own command.
TEST(GridToolbar, EveryButtonShowsAnIconAndRunsItsCommand) {
  QWidget window;
  std::vector<QString> ran;
  const auto command = [&ran](const char* name) { return [&ran, name] { ran.push_back(name); }; };
  QToolBar* toolbar = MakeGridToolbar(
      &window, {command("Sort Ascending"), command("Sort Descending"), command("Print"),
                command("Print Preview"), command("Copy"), command("Paste")});
  std::vector<QString> captions;
  for (QAction* action : toolbar->actions()) {
    if (action->isSeparator()) continue;
    captions.push_back(action->toolTip());
    EXPECT_TRUE(Draws(action->icon())) << action->text().toStdString();
    action->trigger();
  }
  EXPECT_EQ(captions, (std::vector<QString>{"Sort Ascending", "Sort Descending", "Print",
                                            "Print Preview", "Copy", "Paste"}));
  EXPECT_EQ(ran, captions);
}

}  // namespace
}  // namespace trimora
