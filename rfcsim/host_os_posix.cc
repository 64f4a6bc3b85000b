#include "rfcsim/host_os.h"

#include <time.h>

namespace rfcsim {

void WaitMilliseconds(int milliseconds) {
  if (milliseconds <= 0) return;
  struct timespec pause = {milliseconds / 1000, (milliseconds % 1000) * 1000000L};
  while (nanosleep(&pause, &pause) != 0) {
  }
}

void WaitForever() {
  for (;;) WaitMilliseconds(60 * 1000);
}

}  // namespace rfcsim
