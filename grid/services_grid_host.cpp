#include "grid/services_grid_host.h"

#include <QApplication>

#include "platform/print_text_file.h"

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

void ServicesGridHost::PrintListing(const Grid& grid, const GridPrintContext& context) {
  if (const auto files = PrintGrid(grid, context, *this)) {
    PrintTextFile(services_.printer, files->textFile, files->headerFile);
  }
}

void ServicesGridHost::PreviewListing(const Grid& grid, const GridPrintContext& context) {
  const GridPrintFiles files = WriteGridListing(grid, context, false);
  services_.dialogs.PrintPreview(
      [&] { PrintTextFile(services_.printer, files.textFile, files.headerFile); });
}

}  // namespace trimora
