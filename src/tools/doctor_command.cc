#include <cstring>
#include <type_traits>

#include "config/locate.h"
#include "platform/console.h"
#include "run_state.h"
#include "tools/doctor.h"
#include "tools/profile_tool.h"

namespace fernwatch {
namespace {

// The doctor's argument taken as a poll takes its first one: a name longer
// than the run's profile name is missing as given, and the name is
// completed (".P00", GLOBAL).
LocateFault TakeProfileName(const char* profile) {
  if (std::strlen(profile) > ProfileNameText::kCapacity) return ProfileMissing(profile);
  g_run.ProfileName.assign(profile);
  return CompleteProfileName();
}

}  // namespace

int DoctorCommand(const char* profile) {
  LocateFault name_fault;
  if (profile != nullptr) {
    name_fault = TakeProfileName(profile);
    if (g_run.ListingRun)
      return Refuse("doctor checks the profile of one system: name one of the listing's profiles");
  }
  DoctorReport report;
  const DoctorSetting setting = ReadDoctorSetting();
  CheckProgramFolder(&report, setting);
  CheckFrontEndMarkers(&report, setting);
  CheckPrtgPathFile(&report, setting);
  const bool located =
      CheckProfileLocation(&report, setting, profile != nullptr ? &name_fault : nullptr);
  const bool library_loaded = CheckRfcLibrary(&report, setting);
  CheckWorkingDirectory(&report, setting);
  if (profile != nullptr && located) CheckWithProfile(&report, setting, library_loaded);
  // The decoded password is of no use any more and is not left in memory.
  report.Secret = nullptr;
  static_assert(std::is_trivially_copyable<decltype(g_run.Profile.Password)>::value,
                "wiped as bytes");
  WipeSecret(reinterpret_cast<char*>(&g_run.Profile.Password), sizeof g_run.Profile.Password);
  return report.Faults == 0 ? kToolSuccess : kToolRefused;
}

}  // namespace fernwatch
