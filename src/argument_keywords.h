// The keywords of the argument text, asked by name. Every question reads
// the live ArgumentText (upper-cased), and a typed value its typed twin
// TypedArgumentText: a listing run adopts the listing's parameter text
// midway, so no answer is kept from one question to the next. The markers
// of the command line are no keywords: they are read once, at start.
#ifndef FERNWATCH_ARGUMENT_KEYWORDS_H_
#define FERNWATCH_ARGUMENT_KEYWORDS_H_

#include "run_state.h"

namespace fernwatch {

// "ITEM=": the typed text that follows it, or null when the argument text
// holds no item.
const char* TypedItemValue();

// "SENSOR(S)": the header rows of all sensors instead of one sensor's rows.
bool AsksForSensorOverview();

// ",STATE": the states of the rows as the channels' values.
bool AsksForStates();

// ",SYSLOG": the probe writes its own trace.
bool AsksForTrace();

// "CH=": the Maltrex report carries one channel's bare value.
bool SelectsChannel();

// The channel "CH=" selects: up to three characters after it, up to a
// comma, read as a decimal number the way the C library does (no digits,
// or no keyword, give 0).
long SelectedChannel();

// ",HOST=" and ",NO=": the value typed after the keyword, up to the next
// comma or blank or the end. False, with `value` empty, when the argument
// text does not hold the keyword.
bool HostOverride(ArgumentLine* value);
bool SysnrOverride(ArgumentLine* value);

// ",NATIVE" in `text` (in any case): the PRTG-native form of the result.
bool AsksForNativeForm(const ArgumentLine& text);

// ",TIMEOUT=" in `text` (in any case): the text after the keyword, up to
// the next comma or blank or the end. False, with `value` empty, when
// `text` does not hold the keyword.
bool TimeoutValue(const ArgumentLine& text, ArgumentLine* value);

}  // namespace fernwatch

#endif  // FERNWATCH_ARGUMENT_KEYWORDS_H_
