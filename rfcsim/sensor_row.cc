#include "rfcsim/sensor_row.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace rfcsim {

namespace {

using Word = uint64_t;

// The bars of eight bytes of text: the high bit of each byte of the result
// is set where that byte is a bar, and no other bit is. A bar is turned into
// a zero byte, and a zero byte alone keeps its high bit clear when its low
// seven bits are added to all ones.
Word BarsIn(Word bytes) {
  const Word kBars = 0x7c7c7c7c7c7c7c7cULL;
  const Word kLowBits = 0x7f7f7f7f7f7f7f7fULL;
  Word zeroed = bytes ^ kBars;
  return ~(((zeroed & kLowBits) + kLowBits) | zeroed | kLowBits);
}

// Which of its eight bytes the lowest set bit of `bars` marks. A word
// loaded from memory holds its first byte at its low end on the
// little-endian machines the library is built for. Shifted down, the bit
// stands alone in the byte's lowest place; multiplying by the bytes 7 down
// to 0 then brings the byte's number to the top.
size_t FirstMarkedByte(Word bars) {
  Word lowest = (bars & (~bars + 1)) >> 7;
  return static_cast<size_t>((lowest * 0x0001020304050607ULL) >> 56);
}

// How many bars a result of BarsIn marks: each byte holds 0 or 1 once
// shifted down, and multiplying by ones in every byte sums them into the top.
size_t CountMarkedBytes(Word bars) {
  return static_cast<size_t>(((bars >> 7) * 0x0101010101010101ULL) >> 56);
}

// Copies the field that starts at `at` to `out`, at most `room` bytes, and
// returns where the field ends: at its bar, or at `end`. Eight bytes go at a
// time while the field has room for them; the bytes of a word from its bar
// on are stored as blanks, which is what the row holds there.
const char* CopyField(const char* at, const char* end, char* out, size_t room) {
  const Word kBlanks = 0x2020202020202020ULL;
  while (room >= sizeof(Word) && static_cast<size_t>(end - at) >= sizeof(Word)) {
    Word bytes;
    std::memcpy(&bytes, at, sizeof bytes);
    Word bars = BarsIn(bytes);
    if (bars != 0) {
      size_t length = FirstMarkedByte(bars);
      Word kept = (Word(1) << (8 * length)) - 1;
      bytes = (bytes & kept) | (kBlanks & ~kept);
      std::memcpy(out, &bytes, sizeof bytes);
      return at + length;
    }
    std::memcpy(out, &bytes, sizeof bytes);
    at += sizeof(Word);
    out += sizeof(Word);
    room -= sizeof(Word);
  }
  for (; room > 0 && at < end && *at != '|'; --room) *out++ = *at++;
  while (at < end && *at != '|') ++at;  // what the width cuts off
  return at;
}

}  // namespace

// The rows are most of a large landscape: a field's bar is looked for, and
// its bytes copied, a word at a time.
bool PlaceSensorFields(std::string_view fields, char* row) {
  static const size_t kOffsets[] = {0, 10, 12, 44, 45, 55};
  static const size_t kWidths[] = {10, 2, 32, 1, 10, 8};
  const char* at = fields.data();
  const char* end = at + fields.size();
  for (size_t field = 0; field < 6; ++field) {
    at = CopyField(at, end, row + kOffsets[field], kWidths[field]);
    if (at == end) return true;
    ++at;  // past the bar
  }
  return false;  // a seventh field follows
}

// Every `row` line of a large landscape is checked when it is read: its bars
// are counted a word at a time, up to the sixth, and the bytes after the
// last whole word by the word that ends the line, less those it shares with
// the words before.
bool FitsSensorRow(std::string_view fields) {
  const size_t kMostBars = 5;
  const char* at = fields.data();
  const char* end = at + fields.size();
  if (fields.size() < sizeof(Word)) return static_cast<size_t>(std::count(at, end, '|')) <= kMostBars;
  size_t bars = 0;
  for (; bars <= kMostBars && static_cast<size_t>(end - at) >= sizeof(Word); at += sizeof(Word)) {
    Word bytes;
    std::memcpy(&bytes, at, sizeof bytes);
    bars += CountMarkedBytes(BarsIn(bytes));
  }
  size_t left = static_cast<size_t>(end - at);
  if (bars > kMostBars || left == 0) return bars <= kMostBars;
  Word last;
  std::memcpy(&last, end - sizeof(Word), sizeof last);
  Word counted = (Word(1) << (8 * (sizeof(Word) - left))) - 1;  // its first bytes
  return bars + CountMarkedBytes(BarsIn(last) & ~counted) <= kMostBars;
}

}  // namespace rfcsim
