// What the stand-in library asks of the operating system beyond standard C:
// waiting, and telling whether a file is still the one it read before. The
// library is a guest in the program that loads it and keeps its own seam;
// it does not use the program's Env.
#ifndef FERNWATCH_RFCSIM_HOST_OS_H_
#define FERNWATCH_RFCSIM_HOST_OS_H_

#include <cstddef>
#include <cstdio>

namespace rfcsim {

// One state of a file: which file it is, its size and when it was last
// written or changed, each in the platform's own terms.
struct FileStamp {
  unsigned long long volume = 0;
  unsigned long long file = 0;
  unsigned long long size = 0;
  long long written = 0;
  long long changed = 0;

  bool operator==(const FileStamp& other) const {
    return volume == other.volume && file == other.file && size == other.size &&
           written == other.written && changed == other.changed;
  }
};

// The stamp of an open file; false when the system cannot tell. `settled`
// is set when the file was last written or changed long enough ago that
// any later write moves its times: file systems keep times at a coarse
// grain (a clock tick, two seconds on some), and a file rewritten within
// one grain may keep its times and its size.
bool StampOfOpenFile(std::FILE* file, FileStamp* stamp, bool* settled);

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
