// Internal tables and installed structures: the library's own objects that
// the caller holds by handle.
#ifndef FERNWATCH_RFCSIM_TABLES_H_
#define FERNWATCH_RFCSIM_TABLES_H_

#include <string>
#include <vector>

#include "rfc/rfc_library.h"
#include "rfcsim/state.h"

namespace rfcsim {

ITAB_H CreateTable(rfc_char_t* name, unsigned leng);
unsigned TableFill(ITAB_H itab);
void* TableLine(ITAB_H itab, unsigned line);
int DeleteTable(ITAB_H itab);
RFC_RC InstallStructure(rfc_char_t* name, RFC_TYPE_ELEMENT* elements, unsigned entries,
                        RFC_TYPEHANDLE* type_handle);

// The table behind a handle, null for anything the library did not create
// or has deleted.
InternalTable* FindTable(ITAB_H itab);

// Makes `rows` the table's rows, each of the table's own length: the row's
// content cut there, the rest filled with `pad`.
void ReplaceRows(InternalTable& table, const std::vector<std::string>& rows, char pad);

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_TABLES_H_
