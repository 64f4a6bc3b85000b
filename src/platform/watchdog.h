// A deadline watched on a thread of its own. The Envs of the platform start
// it; the posix and the win32 source are chosen by the build.
#ifndef FERNWATCH_PLATFORM_WATCHDOG_H_
#define FERNWATCH_PLATFORM_WATCHDOG_H_

#include <cstdint>
#include <memory>

#include "platform/env.h"

namespace fernwatch {

// Calls `expire(context)` on a thread of its own once `milliseconds` have
// passed (at once for none left), unless the watch returned is destroyed
// first. Null when no thread can be started.
std::unique_ptr<Watchdog> StartSystemWatchdog(int64_t milliseconds, void (*expire)(void*),
                                              void* context);

}  // namespace fernwatch

#endif  // FERNWATCH_PLATFORM_WATCHDOG_H_
