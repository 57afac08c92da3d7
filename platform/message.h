#pragma once
// A modal message box described without any window system: the text, the title, which buttons
// it offers, its icon and the button that has the focus first. The core builds these; the
// window side shows them and hands back the button the user pressed.

#include <string>

namespace trimora {

enum class MessageButtons { Ok, YesNo, YesNoCancel };

enum class MessageIcon { None, Information, Exclamation, Question, Critical };

// Which of the offered buttons has the focus when the box opens (First is Ok or Yes).
enum class MessageDefault { First, Second, Third };

enum class MessageAnswer { Ok, Yes, No, Cancel };

struct Message {
  std::string text;
  std::string title;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
  MessageDefault default_button = MessageDefault::First;
  friend bool operator==(const Message&, const Message&) = default;
};

}  // namespace trimora
