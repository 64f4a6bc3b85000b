#include "rfcsim/state.h"

#include <cstring>

#include "rfcsim/records.h"

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

}  // namespace

State& TheState() {
  static State* state = new State();  // never destroyed: calls may come at exit
  return *state;
}

void ReadLandscape() {
  State& state = TheState();
  std::string text;
  state.landscape = ReadWholeFile(kLandscapeFile, &text) ? ParseLandscape(text) : Landscape();
  state.landscape_read = true;
  if (!state.landscape.library.trace) return;
  std::vector<std::string> news;
  for (const UnreadableLine& line : state.landscape.unreadable) {
    std::string naming = Naming(line);
    if (state.named_lines.insert(naming).second) news.push_back(naming);
  }
  TraceWarnings(news);
}

const LibrarySettings& Settings() {
  if (!TheState().landscape_read) ReadLandscape();
  return TheState().landscape.library;
}

void SetLastError(const std::string& key, const std::string& status, const std::string& message,
                  const std::string& intstat) {
  TheState().last_error = {true, key, status, message, intstat};
}

std::string TextOf(const char* text) { return text == nullptr ? std::string() : text; }

void CopyBounded(char* field, size_t size, const std::string& text) {
  if (field == nullptr || size == 0) return;
  size_t copied = text.size() < size - 1 ? text.size() : size - 1;
  std::memcpy(field, text.data(), copied);
  field[copied] = '\0';
}

}  // namespace rfcsim
