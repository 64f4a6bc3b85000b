#include "rfcsim/host_os.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace rfcsim {
namespace {

// A block is rounded up to whole large pages: a size near the end of the
// address space must not wrap round to a small block.
TEST(LineMemoryTest, ASizeNoBlockCanHoldGetsNone) {
  for (size_t size : {SIZE_MAX, SIZE_MAX - 1, SIZE_MAX - (size_t{3} << 20)}) {
    char* memory = AllocateLineMemory(size);
    EXPECT_EQ(memory, nullptr) << size;
    FreeLineMemory(memory, size);
  }
}

}  // namespace
}  // namespace rfcsim
