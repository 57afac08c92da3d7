#include "platform/qt_key_event.h"

#include <gtest/gtest.h>

namespace trimora {
namespace {

KeyEvent Of(int key, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
  return KeyEventOf(QKeyEvent(QEvent::KeyPress, key, modifiers, text));
}

TEST(QtKeyEvent, CharactersCarryTheirEightBitCodeAndOtherKeysTheirName) {
  const KeyEvent a = Of(Qt::Key_A, "a");
  EXPECT_EQ(a.key, GridKey::Character);
  EXPECT_EQ(a.character, 'a');
  EXPECT_EQ(Of(Qt::Key_Eacute, QString(QChar(0xE9))).character, char(0xE9));
  EXPECT_EQ(Of(Qt::Key_Backspace, "").character, kBackspace);
  EXPECT_TRUE(Of(Qt::Key_C, "\x03", Qt::ControlModifier).ctrl);
  EXPECT_EQ(Of(Qt::Key_Delete, "\x7f").key, GridKey::Delete);
  EXPECT_EQ(Of(Qt::Key_Enter, "\r").key, GridKey::Enter);
  const KeyEvent backtab = Of(Qt::Key_Backtab, "");
  EXPECT_EQ(backtab.key, GridKey::Tab);
  EXPECT_TRUE(backtab.shift);
  EXPECT_EQ(Of(Qt::Key_F5, "").key, GridKey::Other);
  EXPECT_EQ(Of(Qt::Key_unknown, QString(QChar(0x20AC))).key, GridKey::Other);  // not 8-bit
}

}  // namespace
}  // namespace trimora
