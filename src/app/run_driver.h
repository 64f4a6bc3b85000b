// The two flows of a run, from the located configuration to the exit.
#ifndef FERNWATCH_APP_RUN_DRIVER_H_
#define FERNWATCH_APP_RUN_DRIVER_H_

#include "fixed_text.h"

namespace fernwatch {

// Start of every run: banner, command line, keywords, the profile located;
// then the selected flow. Never returns.
[[noreturn]] void StartRun(int argc, char** argv);

// One system: profile, logon, probes, evaluation, the document, the exit.
[[noreturn]] void RunSingleSystem();

// One item on every system of the SystemList, with the summary.
[[noreturn]] void RunListing();

// The local time as hh:mm:ss.
FixedText<8> CurrentClockText();

// The progress line "* <time> <profile>, <host>, <destination>, <sysnr>,
// <client>" of the current system.
FixedText<123> SystemLine(const char* time);

}  // namespace fernwatch

#endif  // FERNWATCH_APP_RUN_DRIVER_H_
