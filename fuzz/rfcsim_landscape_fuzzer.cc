// The stand-in library's RfcSim.ini: the landscape read from its text, and
// the rows of its tables made lines of the 540 bytes the probe's internal
// table holds, as the library hands them over. The input is the file.
#include <string>

#include "fuzz/fuzz_support.h"
#include "rfcsim/landscape.h"
#include "rfcsim/state.h"
#include "rfcsim/tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace fernwatch;
  rfcsim::Landscape landscape =
      rfcsim::ParseLandscape(std::string(reinterpret_cast<const char*>(data), size));
  rfcsim::InternalTable entries{1, "ENTRIES", 540, {}};
  for (const rfcsim::SimSystem& system : landscape.systems) {
    FuzzExpect(!system.id.empty(), "a system has its name");
    for (const rfcsim::SimTable& table : system.tables)
      for (const std::string& row : table.rows) rfcsim::AppendRow(entries, row, ' ');
  }
  for (const auto& row : entries.rows) FuzzExpect(row.size() == 540, "a line has the table's length");
  return 0;
}
