#include "app/run_faults.h"

#include "rfc/connection.h"
#include "run_state.h"

namespace fernwatch {

int EndWithErrorDocument(ResultWriter& writer, const char* message) {
  writer.SetErrorDocument(message);
  writer.Print();
  return kErrorDocumentStatus;
}

int EndWithRfcErrorReport(ResultWriter& writer, const char* operation, DeadlineEnd* end) {
  {
    ResultWriter::Hold hold(writer);
    end->Finished = true;
  }
  WriteRfcErrorReport(writer, operation);
  return kRfcErrorReportStatus;
}

ProfileMessage RunProfileFaultMessage(ProfileFault fault) {
  if (fault == ProfileFault::kNone) return ProfileMessage();
  return ProfileFaultMessage(fault, g_run.ProfileName.c_str());
}

}  // namespace fernwatch
