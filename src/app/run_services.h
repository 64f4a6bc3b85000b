// Steps that both flows of a run take in the same way.
#ifndef FERNWATCH_APP_RUN_SERVICES_H_
#define FERNWATCH_APP_RUN_SERVICES_H_

#include "fixed_text.h"
#include "probes/probes.h"
#include "run_state.h"

namespace fernwatch {

// The local time as hh:mm:ss.
FixedText<8> CurrentClockText();

// "* <time> <profile>, <host>, <destination>, <sysnr>, <client>" of the
// current system, cut where the banner line is.
BannerText SystemLine(const char* time);

// Registers the RFC environment with the report as the error handler.
void RegisterRfcEnvironment();

// Sets RunStatus to how `outcome` went ("OK" or "ERR"); true when it
// succeeded.
bool TakeOutcome(const ProbeOutcome& outcome);

// Chooses the customer table by output mode and clears the texts that
// would narrow the read, so the whole table is read.
void PrepareEvaluation();

// "\n* <time> SAP Fernwatch now processed...\n".
void PrintNowProcessed();

// Writes `text` to standard output.
void Print(const char* text);

}  // namespace fernwatch

#endif  // FERNWATCH_APP_RUN_SERVICES_H_
