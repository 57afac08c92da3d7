#pragma once
// What the grid editing needs from the window that owns the grid. The windows implement it;
// every method does nothing by default so that each window overrides only what it has.

#include <string>

#include "platform/dialog_service.h"
#include "platform/message.h"

namespace trimora {

// The print dialog's answer: nothing, every data row, or the selected rows only.

class GridEditorHost {
 public:
  virtual ~GridEditorHost() = default;

  // The clipboard's text ("" when it holds none), and replacing its whole content.
  virtual std::string ClipboardText() { return {}; }
  virtual void SetClipboardText(const std::string& /*text*/) {}

  // Shows a modal message box and answers the button pressed.
  virtual MessageAnswer ShowMessage(const Message& /*message*/) { return MessageAnswer::Ok; }

  virtual void Beep() {}

  // The job has edits not yet saved (the main window's DataChanged).
  virtual void SetDataChanged() {}

  // The change guard: empties the layout results and closes the result windows when there
  // are results to lose.
  virtual void InvalidateResults() {}

  // Opens the Product Choice window modally (its choice goes into the current cell) and gives
  // the focus back to the grid.
  virtual void ChooseProduct() {}

  // The hourglass pointer on (true) or back to normal (false).
  virtual void SetBusy(bool /*busy*/) {}

  virtual void FocusGrid() {}

  // Shows the print dialog with its options cleared.
  virtual PrintDialogAnswer AskPrintRange() { return PrintDialogAnswer::Cancelled; }

  // How many rows the grid view shows at once: the step of Page Up and Page Down.
  virtual int RowsPerPage() { return 1; }
};

}  // namespace trimora
