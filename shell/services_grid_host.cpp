#include "shell/services_grid_host.h"

#include <QApplication>

namespace trimora {

std::string ServicesGridHost::ClipboardText() { return services_.clipboard.GetText(); }

void ServicesGridHost::SetClipboardText(const std::string& text) {
  services_.clipboard.Clear();
  services_.clipboard.SetText(text);
}

MessageAnswer ServicesGridHost::ShowMessage(const Message& message) {
  return services_.dialogs.ShowMessage(message);
}

void ServicesGridHost::Beep() { services_.dialogs.Beep(); }

void ServicesGridHost::SetBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

PrintDialogAnswer ServicesGridHost::AskPrintRange() { return services_.dialogs.PrintDialog(false); }

}  // namespace trimora
