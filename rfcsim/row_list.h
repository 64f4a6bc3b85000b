// Rows of a table as the stand-in keeps them.
#ifndef FERNWATCH_RFCSIM_ROW_LIST_H_
#define FERNWATCH_RFCSIM_ROW_LIST_H_

#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

namespace rfcsim {

// Rows kept end to end in one block, so that a table of many rows costs a
// few allocations rather than one a row. The block grows in place where
// the C library can (a large block is moved by remapping its pages, not by
// copying them).
class RowList {
 public:
  RowList() = default;
  RowList(RowList&& other) noexcept;
  RowList& operator=(RowList&& other) noexcept;
  RowList(const RowList&) = delete;
  RowList& operator=(const RowList&) = delete;
  ~RowList();

  // Inline, as is Grow, so that a row of a known width is added without a
  // call while the block has room.
  void Add(std::string_view row) {
    char* start = Grow(row.size());
    if (!row.empty()) std::memcpy(start, row.data(), row.size());
  }
  // Adds a row of `width` bytes `fill` and returns its start, valid until
  // the next row is added.
  char* AddFilled(size_t width, char fill);

  size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  // A row's bytes; an empty row that came before any memory was taken is
  // a view of an empty text, never of a null pointer, so that copying it
  // with the C library stays defined.
  std::string_view operator[](size_t index) const {
    size_t start = index == 0 ? 0 : ends_[index - 1];
    if (bytes_ == nullptr) return std::string_view("", 0);
    return std::string_view(bytes_ + start, ends_[index] - start);
  }

 private:
  // Makes room for one more row of `width` bytes and returns its start.
  char* Grow(size_t width) {
    if (capacity_ - used_ < width) Enlarge(width);
    char* start = bytes_ + used_;
    used_ += width;
    ends_.push_back(used_);
    return start;
  }
  // A larger block, so that `width` more bytes fit.
  void Enlarge(size_t width);

  char* bytes_ = nullptr;
  size_t used_ = 0;
  size_t capacity_ = 0;
  std::vector<size_t> ends_;  // where each row ends in bytes_
};

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_ROW_LIST_H_
