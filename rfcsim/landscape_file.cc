#include "rfcsim/landscape_file.h"

#include <cstdio>
#include <string>

#include "rfcsim/host_os.h"
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

// The landscape keeps the bytes its rows are views of, and connections keep
// their landscape: a reading that replaces it leaves their rows alone.
void Install(const LandscapeReading& reading, FileBytes text) {
  State& state = TheState();
  state.landscape = std::make_shared<const Landscape>(ParseLandscape(std::move(text)));
  state.reading = reading;
  state.table_in_use = TableInUse();  // the settings may say otherwise now
  NameUnreadableLines(*state.landscape);
}

// Whether RfcSim.ini, open as `file`, is in the state of the last reading.
// Its stamp alone decides when both readings have one and the last one's
// times had settled; otherwise a changed stamp means a change and its bytes
// decide, against those the landscape keeps. `fresh` gets this reading, and
// `text` the bytes unless the stamp decided.
bool StillAsRead(std::FILE* file, LandscapeReading* fresh, FileBytes* text) {
  const State& state = TheState();
  const LandscapeReading& last = state.reading;
  fresh->present = true;
  fresh->stamped = StampOfOpenFile(file, &fresh->stamp, &fresh->settled);
  bool both_stamped = last.present && last.stamped && fresh->stamped;
  if (both_stamped && last.stamp == fresh->stamp && last.settled) return true;
  ReadToEnd(file, fresh->stamped ? fresh->stamp.size : 0, text);
  if (both_stamped && !(last.stamp == fresh->stamp)) return false;
  return last.present && state.landscape != nullptr &&
         text->view() == state.landscape->text.view();
}

}  // namespace

void RefreshLandscape() {
  State& state = TheState();
  std::FILE* file = std::fopen(kLandscapeFile, "rb");
  if (file == nullptr) {
    if (state.landscape == nullptr || state.reading.present) {
      Install(LandscapeReading(), FileBytes());
    }
    return;
  }
  LandscapeReading fresh;
  FileBytes text;
  bool unchanged = StillAsRead(file, &fresh, &text) && state.landscape != nullptr;
  std::fclose(file);
  if (!unchanged) {
    Install(fresh, std::move(text));
    return;
  }
  // The same bytes, perhaps of another file: this stamp stands for them now.
  LandscapeReading& last = state.reading;
  last.stamped = fresh.stamped;
  last.stamp = fresh.stamp;
  last.settled = fresh.settled;
}

std::shared_ptr<const Landscape> CurrentLandscape() {
  if (TheState().landscape == nullptr) RefreshLandscape();
  return TheState().landscape;
}

const LibrarySettings& Settings() {
  if (TheState().landscape == nullptr) RefreshLandscape();
  return TheState().landscape->library;
}

}  // namespace rfcsim
