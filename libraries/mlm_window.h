#pragma once
// The Material Library Manager: the stock library mlm.dat edited through its working copy
// mlm.tlf. Done ("doneButton"), answered Yes, puts the longer side first, sorts by material and
// merges equal sizes into mlm.dat. Asked for an automatic merge, the window sorts and merges
// mlm.dat as soon as its grid has the focus, and closes.

#include "grid/grid_window.h"

namespace trimora {

class MLM : public GridWindow {
 public:
  explicit MLM(ShellServices& services, QWidget* parent = nullptr);

  // The one-shot request of the off-cut export, made before the window shows.
  void RequestAutomaticMerge() { mergeRequested_ = true; }
  // Runs a requested automatic merge, once, and closes the window.
  void RunRequestedMerge();

  void FocusIn() override { RunRequestedMerge(); }

 protected:
  GridPrintContext ListingContext() override;

 private:
  void Load();
  // Done: saves when the user says Yes, and closes.
  void SaveAndClose();

  bool mergeRequested_ = false;
};

}  // namespace trimora
