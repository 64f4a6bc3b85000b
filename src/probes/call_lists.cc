#include "probes/call_lists.h"

#include <cstring>

#include "rfc/connection.h"
#include "rfc/rfc_functions.h"

namespace fernwatch {

rfc_char_t* LibraryName(const char* name) { return const_cast<rfc_char_t*>(name); }

RFC_PARAMETER CallParameter(const char* name, unsigned type, unsigned length, void* buffer) {
  RFC_PARAMETER entry;
  entry.name = LibraryName(name);
  entry.nlen = static_cast<unsigned>(std::strlen(name));
  entry.type = type;
  entry.leng = length;
  entry.addr = buffer;
  return entry;
}

RFC_TABLE CallTable(const char* name, RFC_TYPEHANDLE row_type, unsigned row_length, ITAB_H table) {
  RFC_TABLE entry;
  std::memset(&entry, 0, sizeof entry);
  entry.name = LibraryName(name);
  entry.nlen = static_cast<unsigned>(std::strlen(name));
  entry.type = row_type;
  entry.leng = row_length;
  entry.ithandle = table;
  entry.itmode = RFC_ITMODE_BYREFERENCE;
  return entry;
}

RFC_PARAMETER EndOfParameters() {
  RFC_PARAMETER entry;
  std::memset(&entry, 0, sizeof entry);
  return entry;
}

RFC_TABLE EndOfTables() {
  RFC_TABLE entry;
  std::memset(&entry, 0, sizeof entry);
  return entry;
}

void CopyExceptionName(const rfc_char_t* name, char* buffer) {
  size_t length = 0;
  if (name != nullptr)
    while (length < kExceptionNameSize - 1 && name[length] != '\0') ++length;
  if (length > 0) std::memcpy(buffer, name, length);
  buffer[length] = '\0';
}

bool InstallStructureOnce(const char* name, RFC_TYPE_ELEMENT* elements, unsigned count,
                          RFC_TYPEHANDLE* handle) {
  if (*handle != 0) return true;
  return RfcLibrary().RfcInstallStructure(LibraryName(name), elements, count, handle) == RFC_OK;
}

InstalledStructures& Structures() {
  static InstalledStructures installed;
  return installed;
}

int CallFunctionModule(RFC_HANDLE handle, const char* name, RFC_PARAMETER* exporting,
                       RFC_TABLE* tables) {
  int rc = RfcLibrary().RfcCall(handle, LibraryName(name), exporting, tables);
  TracePoint(handle, "RfcCall called", "");
  return rc;
}

int ReceiveResult(RFC_HANDLE handle, RFC_PARAMETER* importing, RFC_TABLE* tables,
                  char* exception) {
  rfc_char_t* exception_name = nullptr;
  int rc = RfcLibrary().RfcReceive(handle, importing, tables, &exception_name);
  TracePoint(handle, "RfcReceive called", "");
  if (rc == RFC_EXCEPTION || rc == RFC_SYS_EXCEPTION) CopyExceptionName(exception_name, exception);
  return rc;
}

}  // namespace fernwatch
