// Steps that both flows of a run take in the same way.
#ifndef FERNWATCH_APP_RUN_SERVICES_H_
#define FERNWATCH_APP_RUN_SERVICES_H_

#include "fixed_text.h"
#include "output/result_writer.h"
#include "run_state.h"

namespace fernwatch {

// The local time as hh:mm:ss.
FixedText<8> CurrentClockText();

// "* <time> <profile>, <host>, <destination>, <sysnr>, <client>" of the
// current system, cut where the banner line is.
BannerText SystemLine(const char* time);

// "\n* <time> SAP Fernwatch now processed...\n".
void PrintNowProcessed(ResultWriter& writer);

}  // namespace fernwatch

#endif  // FERNWATCH_APP_RUN_SERVICES_H_
