// How a run ends on a fault: the error document carrying the fault's
// message, or the RFC error report for a table operation the library
// refused. Only the run driver ends a run; the readers and the probes
// below it return their faults.
#ifndef FERNWATCH_APP_RUN_FAULTS_H_
#define FERNWATCH_APP_RUN_FAULTS_H_

#include "app/time_budget.h"
#include "config/profile_check.h"
#include "output/result_writer.h"

namespace fernwatch {

// The exit statuses of a run that ends on a fault.
constexpr int kErrorDocumentStatus = 2;
constexpr int kRfcErrorReportStatus = 1;

// Prints through `writer` the error document carrying `message`, in place
// of whatever the document held; returns kErrorDocumentStatus.
int EndWithErrorDocument(ResultWriter& writer, const char* message);

// Prints through `writer` the RFC error report for `operation`, after
// whatever was printed before; returns kRfcErrorReportStatus. The time
// budget no longer applies to the flow that `end` finishes: the report
// is its end.
int EndWithRfcErrorReport(ResultWriter& writer, const char* operation, DeadlineEnd* end);

// The message of a profile fault, naming the profile by the run's
// ProfileName; empty for none.
ProfileMessage RunProfileFaultMessage(ProfileFault fault);

}  // namespace fernwatch

#endif  // FERNWATCH_APP_RUN_FAULTS_H_
