#include "rfcsim/host_os.h"

#include <windows.h>

namespace rfcsim {

void WaitMilliseconds(int milliseconds) {
  if (milliseconds > 0) Sleep(static_cast<DWORD>(milliseconds));
}

void WaitForever() {
  for (;;) WaitMilliseconds(60 * 1000);
}

}  // namespace rfcsim
