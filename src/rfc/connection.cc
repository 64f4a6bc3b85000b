#include "rfc/connection.h"

#include "platform/env.h"

namespace fernwatch {

RFC_HANDLE OpenConnection() { return 0; }
void SAP_API ReportRfcError(rfc_char_t* operation) { ReportRfcError(static_cast<const char*>(operation)); }
void ReportRfcError(const char* operation) { EndProcess(1); }
void AppendTraceMessage() {}
void TracePoint(RFC_HANDLE handle, const char* event, const char* detail) {}

}  // namespace fernwatch
