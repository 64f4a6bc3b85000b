// The run from the command line to its exit status: start, then one of the
// two flows. Each returns the status with which the process ends; none of
// them ends it. Only the library's error handler, called from inside the
// library, ends a run from below (status 1).
#ifndef FERNWATCH_APP_RUN_DRIVER_H_
#define FERNWATCH_APP_RUN_DRIVER_H_

#include "output/result_writer.h"

namespace fernwatch {

// A whole run: banner, command line, keywords, the profile located, then
// the selected flow. Returns the exit status.
int RunProbe(int argc, char** argv);

// One system: profile, the RFC library loaded, logon, probes, evaluation,
// the document.
int RunSingleSystem(ResultWriter& writer);

// One item on every system of the SystemList, with the summary. The RFC
// library is loaded before (LoadRfcLibrary).
int RunListing(ResultWriter& writer);

}  // namespace fernwatch

#endif  // FERNWATCH_APP_RUN_DRIVER_H_
