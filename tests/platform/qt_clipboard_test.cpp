#include "platform/qt_clipboard.h"

#include <gtest/gtest.h>

namespace trimora {
namespace {

TEST(QtClipboard, KeepsTabsLineEndsAndEightBitCharacters) {
  QtClipboard clipboard;
  const std::string text = "A\tB\r\nC\xC9\r\n";  // \xC9 is an 8-bit capital E with acute
  clipboard.SetText(text);
  EXPECT_EQ(clipboard.GetText(), text);
  clipboard.Clear();
  EXPECT_EQ(clipboard.GetText(), "");
}

}  // namespace
}  // namespace trimora
