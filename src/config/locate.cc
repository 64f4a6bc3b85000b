#include "config/locate.h"

#include "config/locate_steps.h"
#include "output/result_document.h"
#include "run_state.h"

namespace fernwatch {
namespace {

// In the order in which designations are applied; the last one decides.
const char* const kFrontEnds[] = {"Brixtel", "Quorvane", "Maltrex", "Tessiva"};
const char kFrontEndMarker[] = ".Frontend";
const char kPrtgMode[] = "EXEXML";

// The profile as given: the directory of the first argument (or the
// working directory) and the completed name.
void OpenGivenProfile() {
  ConfigPath path = JoinPath(g_run.ProfileDirectory.c_str(), g_run.ProfileName.c_str());
  g_run.ProfilePath.assign(path);
  g_run.ProfileFile = OpenConfigFile(path.c_str());
  if (g_run.ProfileFile == nullptr) FailProfileMissing(path.c_str());
}

void ApplyDesignatedFrontEnds() {
  for (const char* front_end : kFrontEnds) {
    FixedText<31> marker(front_end);
    marker.append(kFrontEndMarker);
    if (!CurrentEnv().ExistsBesideProgram(marker.c_str())) continue;
    g_run.OutputMode.assign(front_end);
    OpenGivenProfile();
  }
}

// A PRTG sensor keeps its configuration in a directory ending in ExeXml
// (any case) and one more character.
bool IsSensorDirectory(const ConfigPath& directory) {
  if (directory.size() < 7) return false;
  FixedText<6> tail;
  tail.assign(directory.c_str() + directory.size() - 7, 6);
  tail.to_upper();
  return tail.equals(kPrtgMode);
}

// One too long for ProfileDirectory cannot serve the files read after it
// either. The six characters checked become the OutputMode: "EXEXML".
void CheckSensorDirectory(const ConfigPath& directory) {
  if (!IsSensorDirectory(directory) || directory.size() > g_run.ProfileDirectory.kCapacity)
    FailWithErrorDocument("Sorry, invalid Path-Usage...");
  g_run.ProfileDirectory.assign(directory);
  g_run.OutputMode.assign(kPrtgMode);
}

void SearchPrtgSensor() {
  g_run.ProfileDirectory.clear();
  ConfigPath directory;
  std::unique_ptr<InputFile> file = SearchPrtgDirectories(&directory);
  g_run.ProfilePath.assign(JoinPath(directory.c_str(), g_run.ProfileName.c_str()));
  g_run.ProfileFile = std::move(file);
  CheckSensorDirectory(directory);
}

}  // namespace

void FailProfileMissing(const char* profile) {
  FixedText<511> message;
  message.format("%s%s%s", "Error 1002: Profile ", profile, " is missing...");
  FailWithErrorDocument(message.c_str());
}

void LocateProfile() {
  SplitProfileDirectory();
  ApplyDesignatedFrontEnds();
  if (!g_run.OutputMode.equals(kPrtgMode)) return;
  if (g_run.ArgumentText.contains("@")) {
    // "@" skips the PRTG search. A listing run then locates nothing and
    // reports its listing file missing; a single-system run takes the
    // profile as given.
    if (!IsSet(g_run.ListingRun)) OpenGivenProfile();
    return;
  }
  SearchPrtgSensor();
}

}  // namespace fernwatch
