#include "probes/sensor_row.h"

#include <cstring>

namespace fernwatch {
namespace {

// The field of N bytes at `offset`, up to a zero byte, without the blanks
// that end it.
template <size_t N>
void TakeField(const char* line, size_t offset, FixedText<N>* field) {
  field->assign(line + offset, N);
  size_t length = field->size();
  while (length > 0 && (*field)[length - 1] == ' ') --length;
  field->truncate(length);
}

}  // namespace

UserSensorRow CutSensorRow(const char* line) {
  UserSensorRow row;
  std::memcpy(row.StoredSensor, line, kSensorWidth);
  TakeField(line, 0, &row.Sensor);
  row.Marker.assign(line + 10, 2);  // kept as stored
  TakeField(line, 12, &row.Text);
  TakeField(line, 44, &row.State);
  TakeField(line, 45, &row.Value);
  TakeField(line, 55, &row.Unit);
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
