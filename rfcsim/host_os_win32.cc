#include "rfcsim/host_os.h"

#include <windows.h>

#include <cstdlib>

namespace rfcsim {

// Large pages need a privilege that a monitoring account does not hold.
char* AllocateLineMemory(size_t size) {
  return static_cast<char*>(std::malloc(size == 0 ? 1 : size));
}

void FreeLineMemory(char* memory, size_t size) { std::free(memory); }

void WaitMilliseconds(int milliseconds) {
  if (milliseconds > 0) Sleep(static_cast<DWORD>(milliseconds));
}

}  // namespace rfcsim
