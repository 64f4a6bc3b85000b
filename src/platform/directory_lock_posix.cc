// On POSIX systems the lock is flock on the working directory itself: the
// directory is there whenever a process works in it, and the lock goes
// with the last descriptor of its holder.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "platform/directory_lock.h"

namespace fernwatch {
namespace {

// How often a waiting process tries again; flock itself cannot time out.
constexpr long kRetryNanoseconds = 5 * 1000 * 1000;

class DirectoryFlock : public HeldLock {
 public:
  explicit DirectoryFlock(int descriptor) : descriptor_(descriptor) {}
  ~DirectoryFlock() override { close(descriptor_); }  // releases the lock

 private:
  int descriptor_;
};

long long MonotonicMilliseconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// True once held; false when the time is up or the lock cannot be had.
bool WaitForFlock(int descriptor, int wait_milliseconds) {
  const long long deadline = MonotonicMilliseconds() + wait_milliseconds;
  for (;;) {
    if (flock(descriptor, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK && errno != EINTR) return false;
    if (MonotonicMilliseconds() >= deadline) return false;
    timespec pause = {0, kRetryNanoseconds};
    nanosleep(&pause, nullptr);
  }
}

}  // namespace

std::unique_ptr<HeldLock> LockCurrentDirectory(int wait_milliseconds) {
  int descriptor = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  if (!WaitForFlock(descriptor, wait_milliseconds)) {
    close(descriptor);
    return nullptr;
  }
  return std::unique_ptr<HeldLock>(new DirectoryFlock(descriptor));
}

}  // namespace fernwatch
