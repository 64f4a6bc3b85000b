// The RFC error report: what the library knows of its last error, on the
// console. The library calls its handler, which ends the process; the run
// driver has it written when a structure or internal table fails, and
// ends the run itself.
#include <cstring>

#include "platform/env.h"
#include "rfc/connection.h"
#include "rfc/rfc_functions.h"
#include "rfc/rfc_state.h"

namespace fernwatch {
namespace {

// The library fills the fields; a field filled to its last byte would
// otherwise run into the next one when printed.
void TerminateFields(RFC_ERROR_INFO* info) {
  info->key[sizeof info->key - 1] = '\0';
  info->status[sizeof info->status - 1] = '\0';
  info->message[sizeof info->message - 1] = '\0';
  info->intstat[sizeof info->intstat - 1] = '\0';
}

}  // namespace

void RegisterRfcEnvironment(ResultWriter& writer) {
  RfcLayerState& state = RfcState();
  state.ReportWriter = &writer;
  RFC_ERROR_HANDLER* handler = &ReportRfcError;
  state.Environment.errorhandler = handler;
  state.Environment.allocate = nullptr;
  RfcLibrary().RfcEnvironment(&state.Environment);
}

void WriteRfcErrorReport(ResultWriter& writer, const char* operation) {
  RFC_ERROR_INFO info;
  std::memset(&info, 0, sizeof info);
  RfcLibrary().RfcLastError(&info);
  TerminateFields(&info);
  writer.PrintRfcErrorReport(RfcErrorReport{operation != nullptr ? operation : "", info.key,
                                            info.status, info.message, info.intstat});
  RfcLibrary().RfcClose(0);
}

void SAP_API ReportRfcError(rfc_char_t* operation) {
  ResultWriter* writer = RfcState().ReportWriter;
  if (writer != nullptr) WriteRfcErrorReport(*writer, operation);
  EndProcess(1);
}

}  // namespace fernwatch
