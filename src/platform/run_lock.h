// The lock that the run's threads share: the main thread, and the watch of
// the time budget. A thread may take it again while it holds it. The posix
// and the win32 source are chosen by the build.
#ifndef FERNWATCH_PLATFORM_RUN_LOCK_H_
#define FERNWATCH_PLATFORM_RUN_LOCK_H_

#include <memory>

namespace fernwatch {

class RunLock {
 public:
  RunLock();
  ~RunLock();
  RunLock(const RunLock&) = delete;
  RunLock& operator=(const RunLock&) = delete;

  // Waits until this thread holds the lock.
  void Acquire();
  void Release();

 private:
  struct System;
  std::unique_ptr<System> system_;
};

// Holds `lock` for as long as it lives.
class RunLockHolder {
 public:
  explicit RunLockHolder(RunLock& lock) : lock_(lock) { lock_.Acquire(); }
  ~RunLockHolder() { lock_.Release(); }
  RunLockHolder(const RunLockHolder&) = delete;
  RunLockHolder& operator=(const RunLockHolder&) = delete;

 private:
  RunLock& lock_;
};

}  // namespace fernwatch

#endif  // FERNWATCH_PLATFORM_RUN_LOCK_H_
