#pragma once
// The start-up check that refuses a second running copy of the program.

#include "platform/dialog_service.h"
#include "platform/single_instance_lock.h"

namespace trimora {

// True for the first copy, which keeps the lock for as long as it lives. A second copy is
// told "<title> is already running" and answers false.
bool IsFirstCopy(SingleInstanceLock& lock, DialogService& dialogs);

}  // namespace trimora
