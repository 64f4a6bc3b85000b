#include <pthread.h>

#include "platform/run_lock.h"

namespace fernwatch {

struct RunLock::System {
  pthread_mutex_t mutex;
};

RunLock::RunLock() : system_(new System) {
  pthread_mutexattr_t attributes;
  pthread_mutexattr_init(&attributes);
  pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
  pthread_mutex_init(&system_->mutex, &attributes);
  pthread_mutexattr_destroy(&attributes);
}

RunLock::~RunLock() { pthread_mutex_destroy(&system_->mutex); }

void RunLock::Acquire() { pthread_mutex_lock(&system_->mutex); }

void RunLock::Release() { pthread_mutex_unlock(&system_->mutex); }

}  // namespace fernwatch
