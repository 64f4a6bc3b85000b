// Reading and writing the caller's parameter buffers. Every write stays
// within the length the caller stated for the buffer.
#ifndef FERNWATCH_RFCSIM_PARAMETERS_H_
#define FERNWATCH_RFCSIM_PARAMETERS_H_

#include <map>
#include <string>

#include "rfc/rfc_library.h"

namespace rfcsim {

// A value a function module returns in an importing parameter.
struct Value {
  bool is_number = false;
  long number = 0;
  std::string text;
};
using Values = std::map<std::string, Value>;

Value Number(long number);
Value Text(const std::string& text);

// The name of a list entry: `nlen` bytes, or up to its end when nlen is 0.
std::string EntryName(const void* name, unsigned nlen);

bool IsIntegerType(unsigned type);

// An exporting parameter's value: its `leng` bytes, or its number.
std::string RawText(const RFC_PARAMETER& parameter);
long NumberOf(const RFC_PARAMETER& parameter);

// Fills every importing parameter the values name; others stay untouched.
// Character buffers are blank-padded to their length and cut there; an
// integer is written only into a buffer that holds its whole size.
void FillImporting(RFC_PARAMETER* importing, const Values& values);

// "NAME=value" as the journal lists an exporting parameter.
std::string JournalForm(const RFC_PARAMETER& parameter);

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_PARAMETERS_H_
