#include "rfcsim/row_list.h"

#include <cstdlib>
#include <cstring>
#include <utility>

namespace rfcsim {

RowList::RowList(RowList&& other) noexcept { *this = std::move(other); }

RowList& RowList::operator=(RowList&& other) noexcept {
  std::swap(bytes_, other.bytes_);
  std::swap(used_, other.used_);
  std::swap(capacity_, other.capacity_);
  std::swap(ends_, other.ends_);
  return *this;
}

RowList::~RowList() { std::free(bytes_); }

char* RowList::AddFilled(size_t width, char fill) {
  char* start = Grow(width);
  std::memset(start, fill, width);
  return start;
}

void RowList::Enlarge(size_t width) {
  size_t capacity = capacity_ * 2 + 4096;
  if (capacity - used_ < width) capacity = used_ + width;
  char* bytes = static_cast<char*>(std::realloc(bytes_, capacity));
  // The library cannot go on without memory.
  if (bytes == nullptr) std::abort();
  bytes_ = bytes;
  capacity_ = capacity;
}

}  // namespace rfcsim
