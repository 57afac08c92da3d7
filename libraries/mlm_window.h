#pragma once
// The Material Library Manager: the stock library mlm.dat edited through its working copy
// mlm.tlf. Done, answered Yes, puts the longer side first, sorts by material and merges equal
// sizes into mlm.dat. Asked with the tag "AUTOMERGE", the window sorts and merges mlm.dat as
// soon as its grid has the focus, and closes.

#include <string>

#include "grid/grid_window.h"

class QPushButton;

namespace trimora {

inline constexpr const char* kAutoMergeRequest = "AUTOMERGE";

class MLM : public GridWindow {
 public:
  explicit MLM(ShellServices& services, QWidget* parent = nullptr);

  // The one-shot request of the off-cut export: set to "AUTOMERGE" before the window shows.
  std::string Tag;

  QPushButton* cmdClose;

  // Done.
  void cmdClose_Click();
  // The grid received the focus: runs a pending automatic merge.
  void FG_GotFocus();

  void FocusIn() override { FG_GotFocus(); }

 protected:
  GridPrintContext ListingContext() override;

 private:
  void MLM_Form_Load();
};

}  // namespace trimora
