// How the rows of a sensor table become channels and the status text: the
// selection a run asks for, judged row by row.
#ifndef FERNWATCH_PROBES_SENSOR_SELECTION_H_
#define FERNWATCH_PROBES_SENSOR_SELECTION_H_

#include "fixed_text.h"
#include "output/result_writer.h"
#include "probes/sensor_row.h"

namespace fernwatch {

struct SensorSelection {
  SensorWord Sensor;
  FixedText<32> Title;  // the requested sensor's title, once its header row is met
  bool Overview;        // the header rows of all sensors
  bool StateMode;       // the states as values
  // A listing run: one item on every system of a list, the system named by
  // its label in the channels.
  bool Listing;
  const char* SystemLabel;
  bool SensorFound;  // a data row of the requested sensor was met
  bool HeaderMet;    // its title row was met
  int DataRows;      // its data rows met
};

// The selection the run's argument text and flags ask for; `system_label`
// names the system in a listing run.
SensorSelection CurrentSelection(const char* system_label);

// Writes and prints through `writer` the channels that `row` gives, and
// takes the title from the requested sensor's header row.
void EvaluateSensorRow(const UserSensorRow& row, SensorSelection* selection,
                       ResultWriter& writer);

// Appends the status text (and the closing) after the last row; a listing
// run writes its own text, except for the overview.
void WriteSensorStatusText(const SensorSelection& selection, ResultWriter& writer);

}  // namespace fernwatch

#endif  // FERNWATCH_PROBES_SENSOR_SELECTION_H_
