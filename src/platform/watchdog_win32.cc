#include <windows.h>

#include "platform/watchdog.h"

namespace fernwatch {
namespace {

class WinWatchdog : public Watchdog {
 public:
  WinWatchdog(int64_t milliseconds, void (*expire)(void*), void* context)
      : milliseconds_(milliseconds < 0 ? 0 : milliseconds), expire_(expire), context_(context),
        stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

  ~WinWatchdog() override {
    if (thread_ != nullptr) {
      SetEvent(stop_);
      WaitForSingleObject(thread_, INFINITE);
      CloseHandle(thread_);
    }
    if (stop_ != nullptr) CloseHandle(stop_);
  }

  bool Start() {
    if (stop_ == nullptr) return false;
    thread_ = CreateThread(nullptr, 0, &WinWatchdog::Watch, this, 0, nullptr);
    return thread_ != nullptr;
  }

 private:
  static DWORD WINAPI Watch(void* self) {
    static_cast<WinWatchdog*>(self)->WaitAndExpire();
    return 0;
  }

  // A budget is at most an hour: the wait fits a DWORD.
  void WaitAndExpire() {
    if (WaitForSingleObject(stop_, static_cast<DWORD>(milliseconds_)) == WAIT_TIMEOUT)
      expire_(context_);
  }

  int64_t milliseconds_;
  void (*expire_)(void*);
  void* context_;
  HANDLE stop_;
  HANDLE thread_ = nullptr;
};

}  // namespace

std::unique_ptr<Watchdog> StartSystemWatchdog(int64_t milliseconds, void (*expire)(void*),
                                              void* context) {
  std::unique_ptr<WinWatchdog> watchdog(new WinWatchdog(milliseconds, expire, context));
  if (!watchdog->Start()) return nullptr;
  return watchdog;
}

}  // namespace fernwatch
