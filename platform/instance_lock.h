// instance_lock.h -- one running game per configuration folder, through a lock file.
#pragma once

#include <string>

namespace platform {

// Takes the lock file in the folder (made if missing); false when another
// running game holds it, which is then asked to come to the front. The lock
// goes with the process.
bool AcquireInstanceLock(const std::string& folder);
void ReleaseInstanceLock();
// True once after another start asked this game to come to the front.
bool TakeRaiseRequest();

}  // namespace platform
