#include "probes/sensor_row.h"

#include <cstring>

namespace fernwatch {
namespace {

// The fields of a row end at its unit's end.
constexpr size_t kFieldsWidth = 63;

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

  // The same without the blanks that pad it. Most of a field is padding,
  // so blanks are skipped eight at a time first.
  template <size_t N>
  void TakeTrimmed(size_t offset, FixedText<N>* field) const {
    static const char kEightBlanks[] = "        ";
    const char* start = line_ + offset;
    size_t length = Available(offset, N);
    while (length >= 8 && std::memcmp(start + length - 8, kEightBlanks, 8) == 0) length -= 8;
    while (length > 0 && start[length - 1] == ' ') --length;
    field->clear();
    field->append_measured(start, length);
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
