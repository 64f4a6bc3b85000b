#include "config/locate.h"

#include "config/locate_steps.h"
#include "run_state.h"

namespace fernwatch {
namespace {

// The six characters a PRTG sensor directory ends in before its last one.
const char kSensorDirectoryTail[] = "EXEXML";

// The profile as given: the directory of the first argument (or the
// working directory) and the completed name.
LocateFault OpenGivenProfile() {
  ConfigPath path = JoinPath(g_run.ProfileDirectory.c_str(), g_run.ProfileName.c_str());
  g_run.ProfilePath.assign(path);
  g_run.ProfileFile = OpenConfigFile(path.c_str());
  if (g_run.ProfileFile == nullptr) return ProfileMissing(path.c_str());
  return LocateFault();
}

LocateFault ApplyDesignatedFrontEnds() {
  for (const FrontEnd& front_end : DesignatedFrontEnds()) {
    if (!CurrentEnv().ExistsBesideProgram(front_end.MarkerFile)) continue;
    g_run.OutputMode = &front_end;
    LocateFault fault = OpenGivenProfile();
    if (fault.Failed()) return fault;
  }
  return LocateFault();
}

// A PRTG sensor keeps its configuration in a directory ending in ExeXml
// (any case) and one more character.
bool IsSensorDirectory(const ConfigPath& directory) {
  if (directory.size() < 7) return false;
  FixedText<6> tail;
  tail.assign(directory.c_str() + directory.size() - 7, 6);
  tail.to_upper();
  return tail.equals(kSensorDirectoryTail);
}

// One too long for ProfileDirectory cannot serve the files read after it
// either. The run reports to PRTG's own sensor.
LocateFault CheckSensorDirectory(const ConfigPath& directory) {
  if (!IsSensorDirectory(directory) || directory.size() > g_run.ProfileDirectory.kCapacity)
    return LocateFault(LocateFault::kInvalidPathUsage);
  g_run.ProfileDirectory.assign(directory);
  g_run.OutputMode = &PrtgSensor();
  return LocateFault();
}

LocateFault SearchPrtgSensor() {
  g_run.ProfileDirectory.clear();
  ConfigPath directory;
  std::unique_ptr<InputFile> file = SearchPrtgDirectories(&directory);
  if (file == nullptr) return ProfileMissing(g_run.ProfileName.c_str());
  g_run.ProfilePath.assign(JoinPath(directory.c_str(), g_run.ProfileName.c_str()));
  g_run.ProfileFile = std::move(file);
  return CheckSensorDirectory(directory);
}

}  // namespace

LocateFault ProfileMissing(const char* profile) {
  return LocateFault(LocateFault::kProfileMissing, profile);
}

FaultMessage LocateFaultMessage(const LocateFault& fault) {
  FaultMessage message;
  switch (fault.kind) {
    case LocateFault::kNone:
      break;
    case LocateFault::kProfileMissing:
      message.format("%s%s%s", "Error 1002: Profile ", fault.profile.c_str(), " is missing...");
      break;
    case LocateFault::kInvalidPathUsage:
      message.assign("Sorry, invalid Path-Usage...");
      break;
  }
  return message;
}

LocateFault LocateProfile() {
  SplitProfileDirectory();
  LocateFault fault = ApplyDesignatedFrontEnds();
  if (fault.Failed() || g_run.OutputMode != &PrtgSensor()) return fault;
  if (g_run.ArgumentText.contains("@")) {
    // "@" skips the PRTG search. A listing run then locates nothing and
    // reports its listing file missing; a single-system run takes the
    // profile as given.
    if (g_run.ListingRun) return LocateFault();
    return OpenGivenProfile();
  }
  return SearchPrtgSensor();
}

}  // namespace fernwatch
