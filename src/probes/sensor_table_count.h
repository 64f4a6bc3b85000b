// How much a customer table of user sensors holds, read whole as a run
// reads it: for the profile tool's doctor, which tells the operator what a
// poll would find without printing a document.
#ifndef FERNWATCH_PROBES_SENSOR_TABLE_COUNT_H_
#define FERNWATCH_PROBES_SENSOR_TABLE_COUNT_H_

#include "probes/probes.h"

namespace fernwatch {

struct SensorTableCount {
  unsigned Rows = 0;
  // Header rows ("*" first in the marker column): the sensors that the
  // overview (SENSOR(S)) lists.
  unsigned Sensors = 0;
};

// Reads the table `table_name` over `handle` and counts its rows into
// `count`. Succeeded when the read returned 0, and for a table without
// entries (the exception INTERNAL_ERROR, return code 2, nothing counted);
// otherwise the error text of the failed call, or the operation the
// library refused. Prints nothing.
ProbeOutcome CountSensorTable(RFC_HANDLE handle, const char* table_name, SensorTableCount* count);

}  // namespace fernwatch

#endif  // FERNWATCH_PROBES_SENSOR_TABLE_COUNT_H_
