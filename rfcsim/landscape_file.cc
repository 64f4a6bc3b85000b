#include "rfcsim/landscape_file.h"

#include <cstdio>
#include <string>

#include "rfcsim/records.h"
#include "rfcsim/state.h"

namespace rfcsim {

namespace {

const char kLandscapeFile[] = "RfcSim.ini";

// How an ignored line is named: a password never reaches the trace file.
std::string Naming(const UnreadableLine& line) {
  std::string shown = line.text;
  size_t equals = shown.find('=');
  if (equals != std::string::npos &&
      EqualsIgnoringCase(Trim(std::string_view(shown).substr(0, equals)), "passwd")) {
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

// The landscape keeps the bytes its rows are views of, and connections keep
// their landscape: a reading that replaces it leaves their rows alone.
void ReadLandscape() {
  State& state = TheState();
  FileBytes text;
  std::FILE* file = std::fopen(kLandscapeFile, "rb");
  if (file != nullptr) {
    ReadToEnd(file, 0, &text);
    std::fclose(file);
  }
  state.landscape = std::make_shared<const Landscape>(ParseLandscape(std::move(text)));
  NameUnreadableLines(*state.landscape);
}

std::shared_ptr<const Landscape> CurrentLandscape() {
  if (TheState().landscape == nullptr) ReadLandscape();
  return TheState().landscape;
}

const LibrarySettings& Settings() {
  if (TheState().landscape == nullptr) ReadLandscape();
  return TheState().landscape->library;
}

}  // namespace rfcsim
