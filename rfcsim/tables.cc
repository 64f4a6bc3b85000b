#include "rfcsim/tables.h"

#include <algorithm>
#include <utility>

#include "rfcsim/landscape_file.h"
#include "rfcsim/records.h"
#include "rfcsim/text.h"

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
      new InternalTable{state.next_table_id++, table_name, leng, {}});
  ITAB_H handle = table.get();
  Journal(call + " -> " + std::to_string(table->id));
  state.tables[handle] = std::move(table);
  return handle;
}

InternalTable* FindTable(ITAB_H itab) {
  auto found = TheState().tables.find(itab);
  return found == TheState().tables.end() ? nullptr : found->second.get();
}

unsigned TableFill(ITAB_H itab) {
  InternalTable* table = FindTable(itab);
  unsigned fill = table == nullptr ? 0 : static_cast<unsigned>(table->rows.size());
  Journal("ItFill " + TableLabel(itab) + " -> " + std::to_string(fill));
  return fill;
}

void* TableLine(ITAB_H itab, unsigned line) {
  InternalTable* table = FindTable(itab);
  std::string call = "ItGetLine " + TableLabel(itab) + " " + std::to_string(line);
  if (table == nullptr || line == 0 || line > table->rows.size() ||
      Failing("ItGetLine", table->name)) {
    Journal(call + " -> (null)");
    std::string name = table == nullptr ? std::string("(unknown)") : table->name;
    ProgramError("ItGetLine " + name, "line " + std::to_string(line) + " of " + name + " not read");
    return nullptr;
  }
  Journal(call + " -> found");
  return table->rows[line - 1].data();
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
  TheState().tables.erase(itab);
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

void ReplaceRows(InternalTable& table, const std::vector<std::string>& rows, char pad) {
  table.rows.clear();
  for (const std::string& content : rows) {
    std::vector<char> line(table.leng, pad);
    std::copy_n(content.begin(), std::min<size_t>(content.size(), table.leng), line.begin());
    table.rows.push_back(std::move(line));
  }
}

}  // namespace rfcsim
