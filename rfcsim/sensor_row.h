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

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_SENSOR_ROW_H_
