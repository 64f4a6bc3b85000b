// What the stand-in library asks of the operating system beyond standard C:
// waiting, and memory for the lines of internal tables. The library is a
// guest in the program that loads it and keeps its own seam; it does not
// use the program's Env.
#ifndef FERNWATCH_RFCSIM_HOST_OS_H_
#define FERNWATCH_RFCSIM_HOST_OS_H_

#include <cstddef>

namespace rfcsim {

// Memory for the lines of an internal table, which the library fills at
// once. A table of thousands of lines takes megabytes, and fresh memory
// costs a page fault every few lines; a block that large comes in the
// system's large pages where it has them, faulted in at once. Null when no
// memory is left. Release it with FreeLineMemory and the same size.
char* AllocateLineMemory(size_t size);
void FreeLineMemory(char* memory, size_t size);

// Waits `milliseconds`; returns at once for 0 or less.
void WaitMilliseconds(int milliseconds);

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_HOST_OS_H_
