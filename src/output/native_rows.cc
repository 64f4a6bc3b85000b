#include "output/native_rows.h"

#include <cstring>

namespace fernwatch {
namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualIgnoringCase(const char* a, const char* b) {
  for (; *a != '\0' && *b != '\0'; ++a, ++b)
    if (Upper(*a) != Upper(*b)) return false;
  return *a == *b;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '-' || c == '+'; }

}  // namespace

StateLevel LevelOfState(const char* state, bool* known) {
  *known = true;
  switch (Upper(state[0])) {
    case '\0':
    case ' ':
    case 'S':
    case 'I':
    case 'G':
      return StateLevel::kOk;
    case 'W':
    case 'Y':
      return StateLevel::kWarning;
    case 'E':
    case 'A':
    case 'X':
    case 'R':
      return StateLevel::kError;
    default:
      *known = false;
      return StateLevel::kWarning;
  }
}

bool ReadNativeValue(const char* value, NativeNumber* number) {
  size_t first = 0, end = std::strlen(value);
  while (first < end && value[first] == ' ') ++first;
  while (end > first && value[end - 1] == ' ') --end;
  number->clear();
  if (first == end) {
    number->assign("0");
    return true;
  }
  char sign = '\0';
  if (IsSign(value[first])) sign = value[first++];
  if (end > first && IsSign(value[end - 1])) {
    if (sign != '\0') return false;
    sign = value[--end];
  }
  size_t digits = 0, marks = 0;
  for (size_t i = first; i < end; ++i) {
    if (IsDigit(value[i])) ++digits;
    else if (value[i] == '.' || value[i] == ',') ++marks;
    else return false;
  }
  if (digits == 0 || marks > 1 || digits > NativeNumber::kCapacity - 3) return false;
  if (sign == '-') number->append_char('-');
  if (value[first] == '.' || value[first] == ',') number->append_char('0');
  for (size_t i = first; i < end; ++i) {
    const bool mark = value[i] == '.' || value[i] == ',';
    if (mark && i + 1 == end) break;  // "5." is 5
    number->append_char(mark ? '.' : value[i]);
  }
  return true;
}

const char* PrtgUnitOf(const char* unit) {
  static const struct {
    const char* table_unit;
    const char* prtg_unit;
  } kUnits[] = {
      {"PerCent", "Percent"},   {"%", "Percent"},          {"TimeResponse", "TimeResponse"},
      {"ms", "TimeResponse"},   {"mSec", "TimeResponse"},  {"Sec", "TimeSeconds"},
      {"Seconds", "TimeSeconds"}, {"Hours", "TimeHours"},  {"", "Count"},
      {"#", "Count"},           {"Count", "Count"},
  };
  for (const auto& known : kUnits)
    if (EqualIgnoringCase(unit, known.table_unit)) return known.prtg_unit;
  return nullptr;
}

bool SameChannelName(const char* a, const char* b) { return EqualIgnoringCase(a, b); }

}  // namespace fernwatch
