// instance_lock.h -- one running game per configuration folder, through a lock file.
#pragma once

#include <string>

namespace platform {

// Takes the lock file in the folder (made if missing); false when another
// running game holds it. The lock goes with the process.
bool AcquireInstanceLock(const std::string& folder);
void ReleaseInstanceLock();

}  // namespace platform
