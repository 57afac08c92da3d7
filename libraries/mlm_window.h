#pragma once
// The Material Library Manager: the stock library mlm.dat edited through its working copy
// mlm.tlf. Done, answered Yes, puts the longer side first, sorts by material and merges equal
// sizes into mlm.dat. Asked with the tag "AUTOMERGE", the window sorts and merges mlm.dat as
// soon as its grid has the focus, and closes.

#include <string>

#include "libraries/library_window.h"

class QPushButton;

namespace trimora {

inline constexpr const char* kAutoMergeRequest = "AUTOMERGE";

class MLM : public LibraryWindow {
 public:
  explicit MLM(ShellServices& services, QWidget* parent = nullptr);

  // The one-shot request of the off-cut export: set to "AUTOMERGE" before the window shows.
  std::string Tag;

  QPushButton* cmdClose;

  // The toolbar: 1 "Sort Ascending", 2 "Sort Descending", 4 "Print", 8 "Print Preview", 6 "Copy",
  // 7 "Paste".
  void TB_ButtonClick(int index);
  // Done.
  void cmdClose_Click();
  // The grid received the focus: runs a pending automatic merge.
  void FG_GotFocus();

  void FocusIn() override { FG_GotFocus(); }

 private:
  void MLM_Form_Load();
};

}  // namespace trimora
