// The rows of the customer sensor tables as `row` lines of RfcSim.ini give
// them: fields between bars, placed at fixed offsets of a blank row.
#ifndef FERNWATCH_RFCSIM_SENSOR_ROW_H_
#define FERNWATCH_RFCSIM_SENSOR_ROW_H_

#include <cstddef>
#include <string_view>

namespace rfcsim {

// A row of a `row` line is this wide before its blank padding.
const size_t kSensorRowWidth = 63;

// Places the fields of a `row` line ("Sensor|Marker|Text|State|Value|Unit")
// at their offsets in `row`, which holds kSensorRowWidth blanks, each cut
// to its width; fields left out at the end stay blank. False for more than
// six fields, with `row` then of no use.
bool PlaceSensorFields(std::string_view fields, char* row);

// Whether the fields of a `row` line are six at most, which is when
// PlaceSensorFields can place them. A landscape keeps its `row` lines as
// they are written and places their fields only when a row is written out,
// so the lines that cannot be placed are known by this when they are read.
bool FitsSensorRow(std::string_view fields);

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_SENSOR_ROW_H_
