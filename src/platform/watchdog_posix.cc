#include <pthread.h>
#include <time.h>

#include <cerrno>

#include "platform/watchdog.h"

namespace fernwatch {
namespace {

class PosixWatchdog : public Watchdog {
 public:
  PosixWatchdog(int64_t milliseconds, void (*expire)(void*), void* context)
      : expire_(expire), context_(context) {
    pthread_condattr_t attributes;
    pthread_condattr_init(&attributes);
    pthread_condattr_setclock(&attributes, CLOCK_MONOTONIC);
    pthread_cond_init(&stop_, &attributes);
    pthread_condattr_destroy(&attributes);
    pthread_mutex_init(&mutex_, nullptr);
    clock_gettime(CLOCK_MONOTONIC, &deadline_);
    if (milliseconds < 0) milliseconds = 0;
    deadline_.tv_sec += static_cast<time_t>(milliseconds / 1000);
    deadline_.tv_nsec += static_cast<long>(milliseconds % 1000) * 1000000;
    if (deadline_.tv_nsec >= 1000000000) {
      deadline_.tv_sec += 1;
      deadline_.tv_nsec -= 1000000000;
    }
  }

  ~PosixWatchdog() override {
    if (started_) {
      pthread_mutex_lock(&mutex_);
      stopped_ = true;
      pthread_cond_signal(&stop_);
      pthread_mutex_unlock(&mutex_);
      pthread_join(thread_, nullptr);
    }
    pthread_cond_destroy(&stop_);
    pthread_mutex_destroy(&mutex_);
  }

  bool Start() {
    started_ = pthread_create(&thread_, nullptr, &PosixWatchdog::Watch, this) == 0;
    return started_;
  }

 private:
  static void* Watch(void* self) {
    static_cast<PosixWatchdog*>(self)->WaitAndExpire();
    return nullptr;
  }

  void WaitAndExpire() {
    pthread_mutex_lock(&mutex_);
    int waited = 0;
    while (!stopped_ && waited != ETIMEDOUT)
      waited = pthread_cond_timedwait(&stop_, &mutex_, &deadline_);
    const bool expired = !stopped_;
    pthread_mutex_unlock(&mutex_);
    if (expired) expire_(context_);
  }

  void (*expire_)(void*);
  void* context_;
  timespec deadline_;
  pthread_mutex_t mutex_;
  pthread_cond_t stop_;
  pthread_t thread_;
  bool started_ = false;
  bool stopped_ = false;
};

}  // namespace

std::unique_ptr<Watchdog> StartSystemWatchdog(int64_t milliseconds, void (*expire)(void*),
                                              void* context) {
  std::unique_ptr<PosixWatchdog> watchdog(new PosixWatchdog(milliseconds, expire, context));
  if (!watchdog->Start()) return nullptr;
  return watchdog;
}

}  // namespace fernwatch
