// The monitors that start the probe: PRTG's own EXE/XML sensor and the
// sibling front-ends, each designated by an empty marker file beside the
// program. One row each says everything the run asks of a front-end: its
// name (the run's OutputMode), its marker file, the customer table of its
// user sensors, and the form of the result it reads. A front-end is one
// row here; a new form of result also needs its writer in output/.
#ifndef FERNWATCH_FRONT_ENDS_H_
#define FERNWATCH_FRONT_ENDS_H_

#include <cstddef>

namespace fernwatch {

// The forms a result can take.
enum class DocumentForm {
  kPrtgXml,   // PRTG's XML
  kQuorvane,  // "Message."/"Statistic." pairs of text
  kMaltrex,   // "> " lines of text, or one bare value
};

// A row of the table below. No other front-end can be made: the rows are
// built only there and cannot be copied, so a run's OutputMode always
// points at one of them.
class FrontEnd {
 public:
  FrontEnd(const FrontEnd&) = delete;
  FrontEnd& operator=(const FrontEnd&) = delete;

  const char* const Name;         // the OutputMode: "EXEXML", "Tessiva", ...
  const char* const MarkerFile;   // beside the program; null for PRTG's own sensor
  const char* const SensorTable;  // the customer table of user sensors
  const DocumentForm Form;

 private:
  friend class FrontEndTable;
  constexpr FrontEnd(const char* name, const char* marker_file, const char* sensor_table,
                     DocumentForm form)
      : Name(name), MarkerFile(marker_file), SensorTable(sensor_table), Form(form) {}
};

// The rows of front-ends that a marker designates, as a range.
struct FrontEndRange {
  const FrontEnd* first;
  size_t count;
  const FrontEnd* begin() const { return first; }
  const FrontEnd* end() const { return first + count; }
};

// PRTG's EXE/XML sensor: the mode of every run that no marker changes.
const FrontEnd& PrtgSensor();

// The front-ends a marker file designates, in the order in which their
// markers are applied: the last one designated decides.
FrontEndRange DesignatedFrontEnds();

}  // namespace fernwatch

#endif  // FERNWATCH_FRONT_ENDS_H_
