#pragma once
// The toolbar every grid window carries: Sort Ascending, Sort Descending, Print, Print Preview,
// Copy, Paste.

#include <functional>

class QToolBar;
class QWidget;

namespace trimora {

struct GridToolbarCommands {
  std::function<void()> sortAscending;
  std::function<void()> sortDescending;
  std::function<void()> print;
  std::function<void()> printPreview;
  std::function<void()> copy;
  std::function<void()> paste;
};

// Icons only, their captions as tool tips, so the grid keeps the room. The toolbar is named
// "gridToolbar", its buttons' actions "sortAscendingAction", "sortDescendingAction",
// "printAction", "printPreviewAction", "copyAction" and "pasteAction".
QToolBar* MakeGridToolbar(QWidget* parent, const GridToolbarCommands& commands);

}  // namespace trimora
