#include <windows.h>

#include "platform/run_lock.h"

namespace fernwatch {

// A critical section may be entered again by the thread that holds it.
struct RunLock::System {
  CRITICAL_SECTION section;
};

RunLock::RunLock() : system_(new System) { InitializeCriticalSection(&system_->section); }

RunLock::~RunLock() { DeleteCriticalSection(&system_->section); }

void RunLock::Acquire() { EnterCriticalSection(&system_->section); }

void RunLock::Release() { LeaveCriticalSection(&system_->section); }

}  // namespace fernwatch
