#pragma once
// What a grid view tells the window that owns it. The windows implement these; every method
// does nothing by default so that a window overrides only the events it handles. The view
// repaints the grid after each of them, since handlers change the grid they edit.

#include "platform/key_event.h"

namespace trimora {

class GridViewHandler {
 public:
  virtual ~GridViewHandler() = default;

  // A key that types a character (KeyEvent::Character; Backspace as code 8, Escape as 27).
  // The view itself never changes a cell: whatever is typed reaches the grid through here.
  virtual void KeyPress(const KeyEvent& /*key*/) {}

  // Any other key. Answer true to take it from the view; otherwise the view moves the
  // current cell for the arrows, Tab, Home, End, Page Up and Page Down.
  virtual bool KeyDown(const KeyEvent& /*key*/) { return false; }

  virtual void FocusIn() {}
  virtual void FocusOut() {}

  // The current cell (Grid::row, Grid::column) moved by the keyboard or the mouse.
  virtual void CellChanged() {}

  // A mouse click on a cell, after the current cell has moved there.
  virtual void Clicked() {}
};

}  // namespace trimora
