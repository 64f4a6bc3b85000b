// The lock of a working directory: every process working in the same
// directory shares it, none leaves a file behind for it, and the system
// releases it when its holder ends, however it ends. The posix and the
// win32 source are chosen by the build; the Envs of the platform use it.
#ifndef FERNWATCH_PLATFORM_DIRECTORY_LOCK_H_
#define FERNWATCH_PLATFORM_DIRECTORY_LOCK_H_

#include <memory>

#include "platform/env.h"

namespace fernwatch {

// Takes the lock of the current working directory, waiting at most
// `wait_milliseconds`. Null when it was not had in that time or cannot be
// had at all (the directory cannot be opened, no lock of the system).
std::unique_ptr<HeldLock> LockCurrentDirectory(int wait_milliseconds);

}  // namespace fernwatch

#endif  // FERNWATCH_PLATFORM_DIRECTORY_LOCK_H_
