// The two flows of a run, from the located configuration to the exit.
#ifndef FERNWATCH_APP_RUN_DRIVER_H_
#define FERNWATCH_APP_RUN_DRIVER_H_

namespace fernwatch {

// Start of every run: banner, command line, keywords, the profile located;
// then the selected flow. Never returns.
[[noreturn]] void StartRun(int argc, char** argv);

// One system: profile, logon, probes, evaluation, the document, the exit.
[[noreturn]] void RunSingleSystem();

// One item on every system of the SystemList, with the summary.
[[noreturn]] void RunListing();

}  // namespace fernwatch

#endif  // FERNWATCH_APP_RUN_DRIVER_H_
