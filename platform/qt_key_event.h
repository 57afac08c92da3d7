#pragma once
// A Qt key press as the grids see it (shell/key_event.h).

#include <QKeyEvent>

#include "platform/key_event.h"

namespace trimora {

// Keys the grids act on by code keep their code; keys that type an 8-bit character carry it
// (Backspace as 8, Escape as 27); everything else, including characters beyond 8 bits, is
// GridKey::Other.
KeyEvent KeyEventOf(const QKeyEvent& event);

}  // namespace trimora
