// What the configuration readers hand back when a file does not serve the
// run: a fault value naming what it is about, and the message that the
// run's error document carries for it. The readers never print and never
// end the run; the run driver decides what a fault means.
#ifndef FERNWATCH_CONFIG_CONFIG_FAULT_H_
#define FERNWATCH_CONFIG_CONFIG_FAULT_H_

#include "fixed_text.h"

namespace fernwatch {

// A message is cut at this capacity, and so is what it names.
using FaultMessage = FixedText<511>;
using FaultSubject = FixedText<511>;

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_CONFIG_FAULT_H_
