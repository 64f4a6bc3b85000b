// The five forms a result can take, chosen by the run's OutputMode.
#ifndef FERNWATCH_OUTPUT_OUTPUT_MODE_H_
#define FERNWATCH_OUTPUT_OUTPUT_MODE_H_

namespace fernwatch {

enum class DocumentForm { kPrtgXml, kQuorvane, kMaltrex, kUnknown };

// Compared whole and case-sensitively: "EXEXML", "Tessiva" and "Brixtel"
// read PRTG XML; anything outside the five frames nothing.
DocumentForm CurrentForm();

// How the text forms show a unit: empty as "#", "PerCent" as "%",
// "TimeResponse" as "mSec", anything else unchanged.
const char* DisplayUnit(const char* unit);

}  // namespace fernwatch

#endif  // FERNWATCH_OUTPUT_OUTPUT_MODE_H_
