#pragma once
// A key as the grids see it, independent of any window system: the keys the grid editing acts
// on by code, and every other key by the character it types.

namespace trimora {

enum class GridKey {
  Character,  // a typed character, in KeyEvent::character (Backspace as code 8)
  Delete,
  Left,
  Right,
  Up,
  Down,
  Tab,
  Home,
  End,
  PageUp,
  PageDown,
  Enter,
  Other,  // anything else: left to the grid view
};

inline constexpr char kBackspace = 8;

struct KeyEvent {
  GridKey key = GridKey::Other;
  char character = 0;
  bool ctrl = false;
  bool shift = false;
};

}  // namespace trimora
