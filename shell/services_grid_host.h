#pragma once
// What every grid window answers the grid procedures with the program's own services: the
// clipboard, the message boxes and the beep, the hourglass and the print dialog's range.

#include <string>

#include "shell/grid_editor_host.h"
#include "shell/shell_services.h"

namespace trimora {

class ServicesGridHost : public GridEditorHost {
 public:
  explicit ServicesGridHost(ShellServices& services) : services_(services) {}

  std::string ClipboardText() override;
  void SetClipboardText(const std::string& text) override;
  MessageAnswer ShowMessage(const Message& message) override;
  void Beep() override;
  void SetBusy(bool busy) override;
  PrintDialogAnswer AskPrintRange() override;

 protected:
  ShellServices& Services() { return services_; }

 private:
  ShellServices& services_;
};

}  // namespace trimora
