#pragma once
// The system clipboard's text through Qt. Texts are 8-bit, one byte per character.

#include "platform/clipboard.h"

namespace trimora {

class QtClipboard : public Clipboard {
 public:
  void Clear() override;
  void SetText(const std::string& text) override;
  std::string GetText() const override;
};

}  // namespace trimora
