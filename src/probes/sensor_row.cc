#include "probes/sensor_row.h"

#include <cstdint>
#include <cstring>

namespace fernwatch {
namespace {

// The fields of a row end at its unit's end.
constexpr size_t kFieldsWidth = 63;

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "the last byte of a text is the highest of a word read from it");

// The length of `text` without the blanks that end it. Most of a field is
// padding, so its bytes are read eight at a time from the end: a word of
// blanks is skipped whole, and in the first other word each blank that
// ends it, made zero, adds eight leading zero bits (the text's last byte
// is the word's highest).
size_t WithoutPadding(const char* text, size_t length) {
  constexpr uint64_t kEightBlanks = 0x2020202020202020;
  uint64_t word = 0;
  while (length >= 8) {
    std::memcpy(&word, text + length - 8, 8);
    word ^= kEightBlanks;
    if (word != 0) return length - static_cast<size_t>(__builtin_clzll(word)) / 8;
    length -= 8;
  }
  while (length > 0 && text[length - 1] == ' ') --length;
  return length;
}

// The fields of a row, each up to a zero byte. A zero is rare in a row, so
// the first one is found once for all fields: a table's rows pass here by
// the thousand.
class RowFields {
 public:
  explicit RowFields(const char* line) : line_(line) {
    const void* zero = std::memchr(line, '\0', kFieldsWidth);
    end_ = zero == nullptr ? kFieldsWidth : static_cast<size_t>(static_cast<const char*>(zero) - line);
  }

  // The field at `offset` up to a zero byte, as stored.
  template <size_t N>
  void Take(size_t offset, FixedText<N>* field) const {
    field->clear();
    field->append_measured(line_ + offset, Available(offset, N));
  }

  // The same without the blanks that pad it.
  template <size_t N>
  void TakeTrimmed(size_t offset, FixedText<N>* field) const {
    const char* start = line_ + offset;
    field->clear();
    field->append_measured(start, WithoutPadding(start, Available(offset, N)));
  }

 private:
  // Each field ends at a zero byte of its own: one past the first zero
  // is looked for afresh.
  size_t Available(size_t offset, size_t width) const {
    if (end_ < offset) return strnlen(line_ + offset, width);
    return end_ - offset < width ? end_ - offset : width;
  }

  const char* line_;
  size_t end_;
};

}  // namespace

UserSensorRow CutSensorRow(const char* line) {
  UserSensorRow row;
  std::memcpy(row.StoredSensor, line, kSensorWidth);
  RowFields fields(line);
  fields.TakeTrimmed(0, &row.Sensor);
  fields.Take(10, &row.Marker);
  fields.TakeTrimmed(12, &row.Text);
  fields.TakeTrimmed(44, &row.State);
  fields.TakeTrimmed(45, &row.Value);
  fields.TakeTrimmed(55, &row.Unit);
  if (row.Value.empty()) row.Value.assign("0");
  if (row.Unit.empty()) row.Unit.assign("#");
  return row;
}

bool SensorWord::Selects(const UserSensorRow& row) const {
  return std::memcmp(row.StoredSensor, Padded, kSensorWidth) == 0;
}

SensorWord SensorWordOf(const char* argument_text) {
  SensorWord sensor;
  for (const char* c = argument_text; *c != '\0' && *c != ' ' && *c != ','; ++c)
    sensor.Word.append_char(*c);
  std::memset(sensor.Padded, ' ', kSensorWidth);
  std::memcpy(sensor.Padded, sensor.Word.c_str(),
              sensor.Word.size() < kSensorWidth ? sensor.Word.size() : kSensorWidth);
  return sensor;
}

}  // namespace fernwatch
