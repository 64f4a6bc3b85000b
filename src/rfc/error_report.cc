// The RFC error report: what the library knows of its last error, on the
// console, and the end of the process. The library calls it as its error
// handler; the program calls it when a structure or internal table fails.
#include <cstring>

#include "output/result_document.h"
#include "platform/env.h"
#include "rfc/connection.h"

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

void PrintReportField(const char* label, const char* value) { PrintField(label, 0, 15, value); }

}  // namespace

void SAP_API ReportRfcError(rfc_char_t* operation) {
  ReportRfcError(static_cast<const char*>(operation));
}

void ReportRfcError(const char* operation) {
  Env& env = CurrentEnv();
  env.WriteOut("RFC error\n");
  PrintReportField("operation/code", operation != nullptr ? operation : "");

  RFC_ERROR_INFO info;
  std::memset(&info, 0, sizeof info);
  RfcLastError(&info);
  TerminateFields(&info);
  PrintReportField("key", info.key);
  PrintReportField("status", info.status);
  PrintReportField("message", info.message);
  PrintReportField("internal status", info.intstat);
  env.WriteOut("\n");

  RfcClose(0);
  env.WriteOut("* Programm aborted...\n");
  env.WriteOut("* Error at EoXput-File...\n");
  EndProcess(1);
}

}  // namespace fernwatch
