#include "rfcsim/host_os.h"

#include <sys/stat.h>
#include <time.h>

namespace rfcsim {

namespace {

const long long kNanosecond = 1;
const long long kSecond = 1000000000 * kNanosecond;
// The coarsest grain of file times in use (FAT keeps two seconds).
const long long kSettleTime = 2 * kSecond;

long long Nanoseconds(const struct timespec& time) {
  return static_cast<long long>(time.tv_sec) * kSecond + time.tv_nsec;
}

}  // namespace

bool StampOfOpenFile(std::FILE* file, FileStamp* stamp, bool* settled) {
  struct stat status;
  if (fstat(fileno(file), &status) != 0) return false;
  stamp->volume = static_cast<unsigned long long>(status.st_dev);
  stamp->file = static_cast<unsigned long long>(status.st_ino);
  stamp->size = static_cast<unsigned long long>(status.st_size);
  stamp->written = Nanoseconds(status.st_mtim);
  stamp->changed = Nanoseconds(status.st_ctim);
  struct timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  long long latest = stamp->written > stamp->changed ? stamp->written : stamp->changed;
  *settled = Nanoseconds(now) - latest >= kSettleTime;
  return true;
}

void WaitMilliseconds(int milliseconds) {
  if (milliseconds <= 0) return;
  struct timespec pause = {milliseconds / 1000, (milliseconds % 1000) * 1000000L};
  while (nanosleep(&pause, &pause) != 0) {
  }
}

}  // namespace rfcsim
