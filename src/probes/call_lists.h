// Entries of the parameter and table lists handed to RfcCall and
// RfcReceive, and the exception name they deliver.
#ifndef FERNWATCH_PROBES_CALL_LISTS_H_
#define FERNWATCH_PROBES_CALL_LISTS_H_

#include "rfc/rfc_library.h"

namespace fernwatch {

// Size of the buffers that receive an exception name, its zero included.
constexpr size_t kExceptionNameSize = 256;

// A parameter of `length` bytes at `buffer`; `type` is a type code or the
// handle of an installed structure.
RFC_PARAMETER CallParameter(const char* name, unsigned type, unsigned length, void* buffer);
// A table parameter bound to the internal table `table`.
RFC_TABLE CallTable(const char* name, RFC_TYPEHANDLE row_type, unsigned row_length, ITAB_H table);
// The entries that end a list.
RFC_PARAMETER EndOfParameters();
RFC_TABLE EndOfTables();

// The library's name for a function module, structure or table; it only
// reads it.
rfc_char_t* LibraryName(const char* name);

// Copies the exception name the library delivered, cut to fit `buffer`
// (kExceptionNameSize bytes); no name gives an empty text.
void CopyExceptionName(const rfc_char_t* name, char* buffer);

// RfcCall of the function module `name`, followed by its trace point.
int CallFunctionModule(RFC_HANDLE handle, const char* name, RFC_PARAMETER* exporting,
                       RFC_TABLE* tables);

// RfcReceive followed by its trace point; on an exception or a system
// exception the name is copied into `exception` (kExceptionNameSize bytes).
int ReceiveResult(RFC_HANDLE handle, RFC_PARAMETER* importing, RFC_TABLE* tables,
                  char* exception);

// Installs a structure unless its handle is already set. False when the
// library refuses it.
bool InstallStructureOnce(const char* name, RFC_TYPE_ELEMENT* elements, unsigned count,
                          RFC_TYPEHANDLE* handle);

// The type handles of the structures the probes install: once per process,
// 0 until then.
struct InstalledStructures {
  RFC_TYPEHANDLE CpuAll = 0;
  RFC_TYPEHANDLE Rfcsi = 0;
  RFC_TYPEHANDLE Tab512 = 0;
};
InstalledStructures& Structures();

}  // namespace fernwatch

#endif  // FERNWATCH_PROBES_CALL_LISTS_H_
