#include "rfcsim/tables.h"

#include <cstdint>
#include <cstdlib>

#include "rfcsim/landscape_file.h"
#include "rfcsim/records.h"

namespace rfcsim {

namespace {

// Whether RfcSim.ini makes `operation` fail for the table or structure `name`.
bool Failing(const char* operation, const std::string& name) {
  for (const LibraryFault& fault : Settings().faults) {
    if (fault.operation == operation && EqualsIgnoringCase(fault.name, name)) return true;
  }
  return false;
}

void ProgramError(const std::string& operation, const std::string& message) {
  SetLastError("RFC_ERROR_PROGRAM", operation + " failed", message, operation);
}

std::string TableLabel(ITAB_H itab) {
  InternalTable* table = FindTable(itab);
  return table == nullptr ? std::string("(unknown)") : std::to_string(table->id);
}

// Looks up the table behind `itab` and makes it the table in use; null for
// a handle the library does not know, which is not remembered.
const TableInUse* UseTable(ITAB_H itab) {
  InternalTable* table = FindTable(itab);
  if (table == nullptr) return nullptr;
  // Settings() reads RfcSim.ini if nothing has been read yet, which
  // forgets the table in use: it is remembered after.
  bool journaling = Journaling();
  bool lines_fail = Failing("ItGetLine", table->name);
  TableInUse& in_use = TheState().table_in_use;
  in_use = {itab, table, journaling, lines_fail};
  return &in_use;
}

// The table in use when it is the one behind `itab`, else null.
const TableInUse* InUse(ITAB_H itab) {
  const TableInUse& in_use = TheState().table_in_use;
  return in_use.table != nullptr && in_use.handle == itab ? &in_use : nullptr;
}

// The line when nothing but the table is needed for it: no journal line, no
// fault, and the line is there; else null.
void* PlainLine(const TableInUse* in_use, unsigned line) {
  if (in_use == nullptr || in_use->journaling || in_use->lines_fail || line == 0 ||
      line > in_use->table->fill) {
    return nullptr;
  }
  return in_use->table->lines.get() + static_cast<size_t>(line - 1) * in_use->table->leng;
}

// ItFill for a table not in use, or in a journal. Kept out of TableFill, as
// are the others below, so that the calls made once a line stay short.
[[gnu::noinline]] unsigned TableFillAnew(ITAB_H itab) {
  const TableInUse* in_use = UseTable(itab);
  if (in_use != nullptr && !in_use->journaling) return in_use->table->fill;
  InternalTable* table = FindTable(itab);
  unsigned fill = table == nullptr ? 0 : table->fill;
  if (Journaling()) Journal("ItFill " + TableLabel(itab) + " -> " + std::to_string(fill));
  return fill;
}

// ItGetLine for a table not in use, or with all its checks, its journal
// line and its error.
[[gnu::noinline]] void* TableLineAnew(ITAB_H itab, unsigned line) {
  if (void* found = PlainLine(UseTable(itab), line)) return found;
  InternalTable* table = FindTable(itab);
  if (table == nullptr || line == 0 || line > table->fill ||
      Failing("ItGetLine", table->name)) {
    Journal("ItGetLine " + TableLabel(itab) + " " + std::to_string(line) + " -> (null)");
    std::string name = table == nullptr ? std::string("(unknown)") : table->name;
    ProgramError("ItGetLine " + name, "line " + std::to_string(line) + " of " + name + " not read");
    return nullptr;
  }
  if (Journaling()) {
    Journal("ItGetLine " + TableLabel(itab) + " " + std::to_string(line) + " -> found");
  }
  return table->lines.get() + static_cast<size_t>(line - 1) * table->leng;
}

}  // namespace

ITAB_H CreateTable(rfc_char_t* name, unsigned leng) {
  std::string table_name = TextOf(name);
  std::string call = "ItCreate " + Quoted(name) + " leng=" + std::to_string(leng);
  if (leng == 0 || Failing("ItCreate", table_name)) {
    Journal(call + " -> (null)");
    ProgramError("ItCreate " + table_name, "internal table " + table_name + " not created");
    return nullptr;
  }
  State& state = TheState();
  std::unique_ptr<InternalTable> table(
      new InternalTable{state.next_table_id++, table_name, leng, 0, {}});
  ITAB_H handle = table.get();
  Journal(call + " -> " + std::to_string(table->id));
  state.tables[handle] = std::move(table);
  return handle;
}

InternalTable* FindTable(ITAB_H itab) {
  auto found = TheState().tables.find(itab);
  return found == TheState().tables.end() ? nullptr : found->second.get();
}

// A sensor table is read line by line: the table in use answers at once.
unsigned TableFill(ITAB_H itab) {
  const TableInUse* in_use = InUse(itab);
  if (in_use != nullptr && !in_use->journaling) return in_use->table->fill;
  return TableFillAnew(itab);
}

void* TableLine(ITAB_H itab, unsigned line) {
  if (void* found = PlainLine(InUse(itab), line)) return found;
  return TableLineAnew(itab, line);
}

int DeleteTable(ITAB_H itab) {
  InternalTable* table = FindTable(itab);
  std::string call = "ItDelete " + TableLabel(itab);
  if (table == nullptr || Failing("ItDelete", table->name)) {
    Journal(call + " -> 1");
    std::string name = table == nullptr ? std::string("(unknown)") : table->name;
    ProgramError("ItDelete " + name, "internal table " + name + " not deleted");
    return 1;
  }
  Journal(call + " -> 0");
  State& state = TheState();
  if (state.table_in_use.handle == itab) state.table_in_use = TableInUse();
  state.tables.erase(itab);
  return 0;
}

RFC_RC InstallStructure(rfc_char_t* name, RFC_TYPE_ELEMENT* elements, unsigned entries,
                        RFC_TYPEHANDLE* type_handle) {
  std::string structure = TextOf(name);
  std::string call = "RfcInstallStructure " + Quoted(name) + " entries=" + std::to_string(entries);
  if (name == nullptr || type_handle == nullptr || (elements == nullptr && entries > 0) ||
      Failing("RfcInstallStructure", structure)) {
    Journal(call + " -> rc=1");
    ProgramError("RfcInstallStructure " + structure, "structure " + structure + " not installed");
    return RFC_FAILURE;
  }
  unsigned length = 0;
  for (unsigned i = 0; i < entries; ++i) length += elements[i].length;
  State& state = TheState();
  RFC_TYPEHANDLE handle = state.next_type_handle++;
  state.structures[handle] = {structure, length};
  *type_handle = handle;
  Journal(call + " -> rc=0 handle=" + std::to_string(handle));
  return RFC_OK;
}

void ReplaceRows(InternalTable& table, const RowList& rows, char pad) {
  size_t leng = table.leng;
  // The library cannot go on without memory, nor with more lines than its
  // memory can count: on a 32-bit system their size could wrap to a small
  // block that the rows would then overrun.
  if (leng != 0 && rows.size() > SIZE_MAX / leng) std::abort();
  if (!table.lines.Reset(rows.size() * leng)) std::abort();
  table.fill = static_cast<unsigned>(rows.size());
  if (leng == 0) return;  // lines of no bytes have no memory to write in
  char* line = table.lines.get();
  for (size_t i = 0; i < rows.size(); ++i, line += leng) rows.WriteRow(i, line, leng, pad);
}

}  // namespace rfcsim
