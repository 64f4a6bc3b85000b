// The stand-in library's RfcSim.ini: the landscape read from its text, and
// the rows of its tables made lines of the 540 bytes the probe's internal
// table holds, as the library hands them over. The input is the file.
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "rfcsim/landscape.h"
#include "rfcsim/state.h"
#include "rfcsim/tables.h"

namespace {

using fernwatch::FuzzExpect;

constexpr size_t kLineLength = 540;

// Each line holds its row's content cut at the line's length, then blanks.
void ExpectLinesOf(const std::vector<std::string>& rows) {
  rfcsim::InternalTable entries{1, "ENTRIES", kLineLength, {}};
  rfcsim::ReplaceRows(entries, rows, ' ');
  FuzzExpect(entries.rows.size() == rows.size(), "every row becomes a line");
  for (size_t i = 0; i < rows.size(); ++i) {
    std::string line(entries.rows[i].begin(), entries.rows[i].end());
    std::string content = rows[i].substr(0, kLineLength);
    FuzzExpect(line.size() == kLineLength, "a line has the table's length");
    FuzzExpect(line.compare(0, content.size(), content) == 0, "a line begins with its row");
    FuzzExpect(line.find_first_not_of(' ', content.size()) == std::string::npos,
               "a line is padded with blanks");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  rfcsim::Landscape landscape = rfcsim::ParseLandscape(text);
  for (const rfcsim::SimSystem& system : landscape.systems) {
    FuzzExpect(!system.id.empty(), "a system has its name");
    for (const rfcsim::SimTable& table : system.tables) ExpectLinesOf(table.rows);
  }
  return 0;
}
