// One row of a customer table of user sensors, and the sensor word that
// selects rows of it.
#ifndef FERNWATCH_PROBES_SENSOR_ROW_H_
#define FERNWATCH_PROBES_SENSOR_ROW_H_

#include "fixed_text.h"
#include "run_state.h"

namespace fernwatch {

// Lines of ENTRIES: the one field WA of TAB512.
constexpr unsigned kSensorRowLength = 540;
// Fixed-length key and name fields of RFC_GET_TABLE_ENTRIES.
constexpr unsigned kTableKeyLength = 72;
constexpr unsigned kTableNameLength = 30;
// Width of the sensor column, and of the sensor word when matched.
constexpr size_t kSensorWidth = 10;

// The fields of a row: each the characters at its place up to a zero byte,
// with trailing blanks removed (leading ones stay). The marker is kept as
// stored; a blank value reads "0" and a blank unit "#".
struct UserSensorRow {
  char StoredSensor[kSensorWidth];  // the sensor column byte for byte
  FixedText<10> Sensor;
  FixedText<2> Marker;
  FixedText<32> Text;
  FixedText<1> State;
  FixedText<10> Value;
  FixedText<8> Unit;

  // "*" first in the marker column: the sensor's title row.
  bool IsHeader() const { return Marker[0] == '*'; }
};

// Cuts the first kSensorRowLength bytes at `line` into the row's fields.
UserSensorRow CutSensorRow(const char* line);

// The first word of the argument text (up to its first blank or comma),
// and its first ten characters padded with blanks for matching.
struct SensorWord {
  ArgumentLine Word;
  char Padded[kSensorWidth];

  // Whether the row's sensor column equals the padded word, byte for byte.
  bool Selects(const UserSensorRow& row) const;
};

SensorWord SensorWordOf(const char* argument_text);

}  // namespace fernwatch

#endif  // FERNWATCH_PROBES_SENSOR_ROW_H_
