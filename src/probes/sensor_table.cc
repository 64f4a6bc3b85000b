// Reading a customer table of user sensors with RFC_GET_TABLE_ENTRIES: its
// rows arrive as flat 540-character lines in the caller's internal table.
#include "probes/call_lists.h"
#include "probes/probes.h"
#include "probes/sensor_row.h"

namespace fernwatch {
namespace {

// Exporting fields are fixed-length and not terminated; the library only
// reads them.
void* ReadOnly(const void* field) { return const_cast<void*>(field); }

}  // namespace

bool InstallTableStructure() {
  // One flat field; 540 wide, whatever the structure's name says.
  static RFC_TYPE_ELEMENT elements[] = {{LibraryName("WA"), TYPC, kSensorRowLength, 0, 0}};
  return InstallStructureOnce("TAB512", elements, 1, &Structures().Tab512);
}

int ReadSensorTable(RFC_HANDLE handle, const char* bypass_buffer, const char* from_key,
                    const char* generic_key, int32_t* max_entries, const char* table_name,
                    const char* to_key, int32_t* number_of_entries, ITAB_H entries,
                    char* exception) {
  RFC_PARAMETER exporting[] = {
      CallParameter("BYPASS_BUFFER", TYPC, 1, ReadOnly(bypass_buffer)),
      CallParameter("FROM_KEY", TYPC, kTableKeyLength, ReadOnly(from_key)),
      CallParameter("GEN_KEY", TYPC, kTableKeyLength, ReadOnly(generic_key)),
      CallParameter("MAX_ENTRIES", TYPINT, 4, max_entries),
      CallParameter("TABLE_NAME", TYPC, kTableNameLength, ReadOnly(table_name)),
      CallParameter("TO_KEY", TYPC, kTableKeyLength, ReadOnly(to_key)),
      EndOfParameters(),
  };
  RFC_TABLE tables[] = {
      CallTable("ENTRIES", Structures().Tab512, kSensorRowLength, entries),
      EndOfTables(),
  };
  int rc = CallFunctionModule(handle, "RFC_GET_TABLE_ENTRIES", exporting, tables);
  if (rc != RFC_OK) return rc;

  // Received apart, so a failed receive leaves the caller's count as it was.
  int32_t received_entries = 0;
  RFC_PARAMETER importing[] = {
      CallParameter("NUMBER_OF_ENTRIES", TYPINT, 4, &received_entries),
      EndOfParameters(),
  };
  rc = ReceiveResult(handle, importing, tables, exception);
  if (rc == RFC_OK) *number_of_entries = received_entries;
  return rc;
}

}  // namespace fernwatch
