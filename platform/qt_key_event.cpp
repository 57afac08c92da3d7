#include "platform/qt_key_event.h"

namespace trimora {

namespace {

GridKey GridKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Delete:
      return GridKey::Delete;
    case Qt::Key_Left:
      return GridKey::Left;
    case Qt::Key_Right:
      return GridKey::Right;
    case Qt::Key_Up:
      return GridKey::Up;
    case Qt::Key_Down:
      return GridKey::Down;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return GridKey::Tab;
    case Qt::Key_Home:
      return GridKey::Home;
    case Qt::Key_End:
      return GridKey::End;
    case Qt::Key_PageUp:
      return GridKey::PageUp;
    case Qt::Key_PageDown:
      return GridKey::PageDown;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return GridKey::Enter;
    default:
      return GridKey::Other;
  }
}

// Backspace and Escape type their control codes whatever text the platform attaches.
int CharacterOf(const QKeyEvent& event) {
  if (event.key() == Qt::Key_Backspace) return kBackspace;
  if (event.key() == Qt::Key_Escape) return 27;
  const QString text = event.text();
  if (text.size() != 1 || text[0].unicode() > 0xFF) return -1;
  return text[0].unicode();
}

}  // namespace

KeyEvent KeyEventOf(const QKeyEvent& event) {
  KeyEvent key;
  key.ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  key.shift = event.modifiers().testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab;
  key.key = GridKeyOf(event.key());
  if (key.key != GridKey::Other) return key;
  const int character = CharacterOf(event);
  if (character < 0) return key;
  key.key = GridKey::Character;
  key.character = char(character);
  return key;
}

}  // namespace trimora
