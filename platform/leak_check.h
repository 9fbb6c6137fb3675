// leak_check.h -- a leak check for the ways out that skip the exit handlers.
#pragma once

namespace platform {

// In a build with AddressSanitizer, looks for lost memory now and ends the
// process with the leak checker's code if there is any; otherwise does
// nothing. Call it before std::_Exit, which never runs the check made at exit.
void CheckLeaksNow();

}  // namespace platform
