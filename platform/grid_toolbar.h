#pragma once
// The toolbar every grid window carries: Sort Ascending, Sort Descending, Print, Print Preview,
// Copy, Paste, as buttons 1, 2, 4, 8, 6, 7 (3 and 5 are separators).

#include <functional>

class QToolBar;
class QWidget;

namespace trimora {

// Icons only, their captions as tool tips, so the grid keeps the room. click gets the index.
QToolBar* MakeGridToolbar(QWidget* parent, const std::function<void(int)>& click);

}  // namespace trimora
