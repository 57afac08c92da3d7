#pragma once
// What the windows use of the system: the modal dialogs, the clipboard and the printer the
// print dialog sets up. The program passes Qt's; the tests pass scripted dialogs, a plain
// clipboard and a PDF printer.

#include <QPrinter>

#include "platform/clipboard.h"
#include "platform/dialog_service.h"

namespace trimora {

struct ShellServices {
  DialogService& dialogs;
  Clipboard& clipboard;
  QPrinter& printer;
};

}  // namespace trimora
