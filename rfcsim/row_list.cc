#include "rfcsim/row_list.h"

#include <cstring>

namespace rfcsim {

namespace {

// The row that the fields of a `row` line make, into `row`, kSensorRowWidth
// bytes. The fields were counted when the line was read: they fit.
void PlaceRow(std::string_view fields, char* row) {
  std::memset(row, ' ', kSensorRowWidth);
  PlaceSensorFields(fields, row);
}

}  // namespace

// The lists trade their rows: one that a new list is made from is left
// empty, with no rows to be asked for.
RowList& RowList::operator=(RowList&& other) noexcept {
  std::swap(chunks_, other.chunks_);
  std::swap(size_, other.size_);
  std::swap(own_rows_, other.own_rows_);
  return *this;
}

char* RowList::AddFilled(size_t width, char fill) {
  // A CPU table has a row for each of a few processors: one block a row.
  own_rows_.emplace_back(new char[width == 0 ? 1 : width]);
  char* start = own_rows_.back().get();
  std::memset(start, fill, width);
  AddView(std::string_view(start, width));
  return start;
}

void RowList::AddChunk() {
  // Not cleared: each entry is written before it is read.
  chunks_.emplace_back(new Entry[kChunkEntries]);
}

std::string_view RowList::Row(size_t index, char* scratch) const {
  const Entry& entry = At(index);
  if (!entry.is_fields()) return entry.bytes();
  PlaceRow(entry.bytes(), scratch);
  return std::string_view(scratch, kSensorRowWidth);
}

void RowList::WriteRow(size_t index, char* line, size_t leng, char pad) const {
  const Entry& entry = At(index);
  size_t written;
  if (entry.is_fields() && leng >= kSensorRowWidth) {
    // A line with room for the whole row takes its fields at once.
    PlaceRow(entry.bytes(), line);
    written = kSensorRowWidth;
  } else {
    char scratch[kSensorRowWidth];
    std::string_view row = Row(index, scratch);
    written = row.size() < leng ? row.size() : leng;
    if (written > 0) std::memcpy(line, row.data(), written);
  }
  if (leng > written) std::memset(line + written, pad, leng - written);
}

}  // namespace rfcsim
