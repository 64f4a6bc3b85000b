// The rows of the customer sensor tables as `row` lines of RfcSim.ini give
// them: fields between bars, placed at fixed offsets of a blank row.
#ifndef FERNWATCH_RFCSIM_SENSOR_ROW_H_
#define FERNWATCH_RFCSIM_SENSOR_ROW_H_

#include <cstddef>
#include <string>

namespace rfcsim {

// A row of a `row` line is this wide before its blank padding.
const size_t kSensorRowWidth = 63;

// The row that the fields of a `row` line make ("Sensor|Marker|Text|State|
// Value|Unit", the part after the table name): kSensorRowWidth bytes, each
// field cut to its width and placed at its offset, the rest blanks; fields
// left out at the end stay blank. False for more than six fields.
bool BuildSensorRow(const std::string& fields, std::string* row);

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_SENSOR_ROW_H_
