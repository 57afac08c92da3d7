#pragma once
// The change guard: layouts computed from sizes or quantities that have since changed must
// not be shown, so the layout results file is emptied the moment such a change begins.

#include "engine/layout_results.h"
#include "platform/dialog_service.h"

namespace trimora {

// What the guard needs from the main window.
class ChangeGuardHost {
 public:
  virtual ~ChangeGuardHost() = default;
  // Closes the Layouts, Report and Off-Cut table windows that are open.
  virtual void CloseResultWindows() = 0;
  // Gives the focus back to the control that had it in the active window.
  virtual void RestoreFocus() = 0;
};

// With layout results present: closes the result windows, empties dia.tlf and tells the user
// to optimize again. Without results it does nothing. Answers true when results were
// emptied.
bool InvalidateResults(DialogService& dialogs, ChangeGuardHost& host);

}  // namespace trimora
