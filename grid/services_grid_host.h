#pragma once
// What every grid window answers the grid procedures with the program's own services: the
// clipboard, the message boxes and the beep, the hourglass and the print dialog's range; and
// the printing of a grid's listing on the program's printer.

#include <string>

#include "grid/grid_editor_host.h"
#include "grid/grid_print.h"
#include "platform/shell_services.h"

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
  // Prints the listing of the rows the print dialog asks for.
  void PrintListing(const Grid& grid, const GridPrintContext& context);
  // Shows the listing of all rows in the print preview, from which it can be printed.
  void PreviewListing(const Grid& grid, const GridPrintContext& context);

 private:
  ShellServices& services_;
};

}  // namespace trimora
