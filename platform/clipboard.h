#pragma once
// The system clipboard's text. The grid copy and paste use it; the window side gives the real
// clipboard and the tests a plain string.

#include <string>

namespace trimora {

class Clipboard {
 public:
  virtual ~Clipboard() = default;

  virtual void Clear() = 0;
  virtual void SetText(const std::string& text) = 0;
  // "" when the clipboard holds no text.
  virtual std::string GetText() const = 0;
};

}  // namespace trimora
