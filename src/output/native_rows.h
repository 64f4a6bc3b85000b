// How the PRTG-native form reads the fields of a row of the sensor table:
// its state as PRTG's rating, its value as a number PRTG reads, its unit
// as one of PRTG's units.
#ifndef FERNWATCH_OUTPUT_NATIVE_ROWS_H_
#define FERNWATCH_OUTPUT_NATIVE_ROWS_H_

#include "fixed_text.h"

namespace fernwatch {

// PRTG's rating of a channel, as the lookup fernwatch.state names it.
enum class StateLevel { kOk = 0, kWarning = 1, kError = 2 };

// The one-character message type of ABAP, with the traffic-light letters as
// aliases, any case: blank (not rated), S, I, G are OK; W, Y a warning; E,
// A, X, R an error. Any other character is a warning, and `known` false.
StateLevel LevelOfState(const char* state, bool* known);

// A value as PRTG reads it: blanks around it allowed, a sign in front or
// behind (ABAP writes "17-"), at least one digit, at most one "." or "," as
// the decimal mark. The digits are copied with a dot as the mark and the
// sign in front; a blank value is 0. False for anything else.
using NativeNumber = FixedText<15>;
bool ReadNativeValue(const char* value, NativeNumber* number);

// PRTG's unit for the table's unit, case ignored: "Percent",
// "TimeResponse", "TimeSeconds", "TimeHours", "Count", or null for any
// other, which PRTG shows as a custom unit.
const char* PrtgUnitOf(const char* unit);

// Whether two channel names are the same for PRTG: case ignored.
bool SameChannelName(const char* a, const char* b);

}  // namespace fernwatch

#endif  // FERNWATCH_OUTPUT_NATIVE_ROWS_H_
