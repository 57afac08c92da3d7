#include "shell/change_guard.h"

#include "storage/file_utils.h"
#include "storage/text_file.h"

namespace trimora {

bool InvalidateResults(DialogService& dialogs, ChangeGuardHost& host) {
  if (IsFileEmpty(kLayoutResultsFile)) return false;
  host.CloseResultWindows();
  WriteWholeFile(kLayoutResultsFile, "");
  dialogs.ShowMessage({"You are trying to change data. You need to optimize again.", "Attention!",
                       MessageButtons::Ok, MessageIcon::Exclamation});
  host.RestoreFocus();
  return true;
}

}  // namespace trimora
