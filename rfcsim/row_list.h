// Rows of a table as the stand-in keeps them.
#ifndef FERNWATCH_RFCSIM_ROW_LIST_H_
#define FERNWATCH_RFCSIM_ROW_LIST_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rfcsim/sensor_row.h"

namespace rfcsim {

// A landscape's rows are views of the text of RfcSim.ini, which the
// landscape keeps, so that reading a large landscape copies none of them;
// the fields of a `row` line are placed into a row only when the row is
// written out or looked at. Rows that a function module makes (the CPU
// table's) are bytes of the list's own.
class RowList {
 public:
  RowList() = default;
  RowList(RowList&& other) noexcept { *this = std::move(other); }
  RowList& operator=(RowList&& other) noexcept;
  RowList(const RowList&) = delete;
  RowList& operator=(const RowList&) = delete;

  // Adds the row `row` is; its bytes must outlive the list.
  void AddView(std::string_view row) {
    // An empty view may have no bytes at all: the row then views an empty
    // text, so that copying it with the C library stays defined.
    Append({row.data() == nullptr ? "" : row.data(), uint64_t{row.size()} << 1});
  }
  // Adds the row that the fields of a `row` line make, fields that
  // FitsSensorRow accepts; their bytes must outlive the list.
  void AddSensorFields(std::string_view fields) {
    Append({fields.data() == nullptr ? "" : fields.data(), uint64_t{fields.size()} << 1 | 1});
  }
  // Adds row `index` of `other` as `other` keeps it: its bytes must outlive
  // this list too.
  void AddRowOf(const RowList& other, size_t index) { Append(other.At(index)); }
  // Adds a row of `width` bytes `fill` that the list keeps, and returns its
  // start, valid as long as the list.
  char* AddFilled(size_t width, char fill);

  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  // The bytes of row `index`; the fields of a `row` line are placed into
  // `scratch`, kSensorRowWidth bytes, and the view is of those. Never a
  // view of a null pointer.
  std::string_view Row(size_t index, char* scratch) const;
  // Writes row `index` into `line`, `leng` bytes: the row cut there, the
  // rest `pad`. Writes nothing outside the line.
  void WriteRow(size_t index, char* line, size_t leng, char pad) const;
  // A copy of row `index`, for readers outside the library (tests, the
  // fuzz target); the library itself uses Row and WriteRow.
  std::string RowText(size_t index) const {
    char scratch[kSensorRowWidth];
    return std::string(Row(index, scratch));
  }

 private:
  // A row: where its bytes start, and their count times two, plus one when
  // they are the fields of a `row` line. Sixteen bytes at most, as a table
  // may have many thousands.
  struct Entry {
    const char* start;
    uint64_t tagged_size;

    std::string_view bytes() const {
      return std::string_view(start, static_cast<size_t>(tagged_size >> 1));
    }
    bool is_fields() const { return (tagged_size & 1) != 0; }
  };
  // 4 KiB of entries on a 64-bit machine. Entries are kept in chunks of
  // this many, so that a growing list never moves those it has.
  static const size_t kChunkEntries = 256;

  void Append(Entry entry) {
    if (size_ % kChunkEntries == 0) AddChunk();
    chunks_.back()[size_ % kChunkEntries] = entry;
    ++size_;
  }
  void AddChunk();
  const Entry& At(size_t index) const {
    return chunks_[index / kChunkEntries][index % kChunkEntries];
  }

  std::vector<std::unique_ptr<Entry[]>> chunks_;
  size_t size_ = 0;
  std::vector<std::unique_ptr<char[]>> own_rows_;  // the bytes of AddFilled's rows
};

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_ROW_LIST_H_
