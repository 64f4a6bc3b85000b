// Numbers typed into profiles and the argument text, read the way the C
// library's atoi reads them.
#ifndef FERNWATCH_RFC_DECIMAL_VALUE_H_
#define FERNWATCH_RFC_DECIMAL_VALUE_H_

namespace fernwatch {

// Leading white space skipped, an optional sign, then the digits up to the
// first non-digit; no digits give 0. A number beyond the range of int is
// held at its end instead of wrapping.
int DecimalValue(const char* text);

}  // namespace fernwatch

#endif  // FERNWATCH_RFC_DECIMAL_VALUE_H_
