#include "rfcsim/landscape_file.h"

#include <string>
#include <vector>

#include "rfcsim/records.h"
#include "rfcsim/state.h"
#include "rfcsim/text.h"

namespace rfcsim {

namespace {

const char kLandscapeFile[] = "RfcSim.ini";

// How an ignored line is named: a password never reaches the trace file.
std::string Naming(const UnreadableLine& line) {
  std::string shown = line.text;
  size_t equals = shown.find('=');
  if (equals != std::string::npos && EqualsIgnoringCase(Trim(shown.substr(0, equals)), "passwd")) {
    shown = shown.substr(0, equals + 1) + " ...";
  }
  return std::string(kLandscapeFile) + " line " + std::to_string(line.number) +
         " ignored: " + shown;
}

void NameUnreadableLines(const Landscape& landscape) {
  if (!landscape.library.trace) return;
  State& state = TheState();
  std::vector<std::string> news;
  for (const UnreadableLine& line : landscape.unreadable) {
    std::string naming = Naming(line);
    if (state.named_lines.insert(naming).second) news.push_back(naming);
  }
  TraceWarnings(news);
}

}  // namespace

void ReadLandscape() {
  State& state = TheState();
  std::string text;
  state.landscape = ReadWholeFile(kLandscapeFile, &text) ? ParseLandscape(text) : Landscape();
  state.landscape_read = true;
  NameUnreadableLines(state.landscape);
}

const Landscape& CurrentLandscape() {
  if (!TheState().landscape_read) ReadLandscape();
  return TheState().landscape;
}

const LibrarySettings& Settings() { return CurrentLandscape().library; }

}  // namespace rfcsim
