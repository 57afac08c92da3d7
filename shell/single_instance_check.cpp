#include "shell/single_instance_check.h"

#include <string>

#include "storage/application_title.h"

namespace trimora {

bool IsFirstCopy(SingleInstanceLock& lock, DialogService& dialogs) {
  if (lock.TryLock()) return true;
  dialogs.ShowMessage({std::string(kApplicationTitle) + " is already running", kApplicationTitle,
                       MessageButtons::Ok, MessageIcon::Information});
  return false;
}

}  // namespace trimora
