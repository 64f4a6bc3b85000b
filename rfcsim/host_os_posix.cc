#include "rfcsim/host_os.h"

#include <sys/mman.h>
#include <time.h>

#include <cstdint>
#include <cstdlib>

namespace rfcsim {

namespace {

// Blocks from this size on are worth a mapping of their own in large pages.
const size_t kLargePage = size_t{2} << 20;

bool IsMapped(size_t size) { return size >= kLargePage; }

// A large block takes its own mapping, aligned to the large page and
// rounded up to whole large pages, so the system can back it with them.
size_t MappedSize(size_t size) { return (size + kLargePage - 1) / kLargePage * kLargePage; }

}  // namespace

char* AllocateLineMemory(size_t size) {
  if (!IsMapped(size)) return static_cast<char*>(std::malloc(size == 0 ? 1 : size));
  // Rounded up and given a page of slack, a size this near the end of the
  // address space would wrap round to a small block.
  if (size > SIZE_MAX - 2 * kLargePage) return nullptr;
  size_t mapped = MappedSize(size);
  void* area = mmap(nullptr, mapped + kLargePage, PROT_READ | PROT_WRITE,
                    MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (area == MAP_FAILED) return nullptr;
  uintptr_t start = reinterpret_cast<uintptr_t>(area);
  uintptr_t aligned = (start + kLargePage - 1) / kLargePage * kLargePage;
  // Give back the slack before and after the aligned block.
  if (aligned > start) munmap(area, aligned - start);
  if (aligned + mapped < start + mapped + kLargePage)
    munmap(reinterpret_cast<void*>(aligned + mapped), start + kLargePage - aligned);
  char* block = reinterpret_cast<char*>(aligned);
#ifdef MADV_HUGEPAGE
  madvise(block, mapped, MADV_HUGEPAGE);
#endif
#ifdef MADV_POPULATE_WRITE
  // Best effort: an older kernel refuses, and the pages then come one by one.
  madvise(block, mapped, MADV_POPULATE_WRITE);
#endif
  return block;
}

void FreeLineMemory(char* memory, size_t size) {
  if (memory == nullptr) return;
  if (IsMapped(size)) {
    munmap(memory, MappedSize(size));
  } else {
    std::free(memory);
  }
}

void WaitMilliseconds(int milliseconds) {
  if (milliseconds <= 0) return;
  struct timespec pause = {milliseconds / 1000, (milliseconds % 1000) * 1000000L};
  while (nanosleep(&pause, &pause) != 0) {
  }
}

}  // namespace rfcsim
