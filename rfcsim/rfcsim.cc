// The twelve functions of the classic RFC library, as the stand-in exports
// them.
#include "rfc/rfc_library.h"
#include "rfcsim/library_calls.h"
#include "rfcsim/tables.h"

extern "C" {

void SAP_API RfcEnvironment(RFC_ENV* new_env) { rfcsim::SetEnvironment(new_env); }

RFC_HANDLE SAP_API RfcOpen(RFC_OPTIONS* options) { return rfcsim::Open(options); }

RFC_HANDLE SAP_API RfcOpenEx(rfc_char_t* connect_param, RFC_ERROR_INFO_EX* error_info) {
  return rfcsim::OpenEx(connect_param, error_info);
}

RFC_RC SAP_API RfcInstallStructure(rfc_char_t* name, RFC_TYPE_ELEMENT* elements, unsigned entries,
                                   RFC_TYPEHANDLE* type_handle) {
  return rfcsim::InstallStructure(name, elements, entries, type_handle);
}

RFC_RC SAP_API RfcCall(RFC_HANDLE handle, rfc_char_t* function, RFC_PARAMETER* exporting,
                       RFC_TABLE* tables) {
  return rfcsim::Call(handle, function, exporting, tables);
}

RFC_RC SAP_API RfcReceive(RFC_HANDLE handle, RFC_PARAMETER* importing, RFC_TABLE* tables,
                          rfc_char_t** exception) {
  return rfcsim::Receive(handle, importing, tables, exception);
}

int SAP_API RfcLastError(RFC_ERROR_INFO* error_info) { return rfcsim::LastError(error_info); }

void SAP_API RfcClose(RFC_HANDLE handle) { rfcsim::Close(handle); }

ITAB_H SAP_API ItCreate(rfc_char_t* name, unsigned leng, unsigned occu, unsigned memo) {
  return rfcsim::CreateTable(name, leng);
}

unsigned SAP_API ItFill(ITAB_H itab) { return rfcsim::TableFill(itab); }

void* SAP_API ItGetLine(ITAB_H itab, unsigned line) { return rfcsim::TableLine(itab, line); }

int SAP_API ItDelete(ITAB_H itab) { return rfcsim::DeleteTable(itab); }

}  // extern "C"
