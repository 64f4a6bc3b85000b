// A library that looks like the RFC library but lacks ItDelete, as a
// library of another kind under the same name does. The program never
// calls these: it reports the missing function before any call.
#include "rfc/rfc_library.h"

extern "C" {

void SAP_API RfcEnvironment(RFC_ENV*) {}
RFC_HANDLE SAP_API RfcOpen(RFC_OPTIONS*) { return 0; }
RFC_HANDLE SAP_API RfcOpenEx(rfc_char_t*, RFC_ERROR_INFO_EX*) { return 0; }
RFC_RC SAP_API RfcInstallStructure(rfc_char_t*, RFC_TYPE_ELEMENT*, unsigned, RFC_TYPEHANDLE*) {
  return RFC_FAILURE;
}
RFC_RC SAP_API RfcCall(RFC_HANDLE, rfc_char_t*, RFC_PARAMETER*, RFC_TABLE*) { return RFC_FAILURE; }
RFC_RC SAP_API RfcReceive(RFC_HANDLE, RFC_PARAMETER*, RFC_TABLE*, rfc_char_t**) {
  return RFC_FAILURE;
}
int SAP_API RfcLastError(RFC_ERROR_INFO*) { return 0; }
void SAP_API RfcClose(RFC_HANDLE) {}
ITAB_H SAP_API ItCreate(rfc_char_t*, unsigned, unsigned, unsigned) { return nullptr; }
unsigned SAP_API ItFill(ITAB_H) { return 0; }
void* SAP_API ItGetLine(ITAB_H, unsigned) { return nullptr; }

}  // extern "C"
