// The profile name as the run uses it: completed with the default
// extension, the global listing recognised, the directory part split off.
#include <cstring>

#include "config/locate.h"
#include "config/locate_steps.h"
#include "run_state.h"

namespace fernwatch {
namespace {

const char kDefaultExtension[] = ".P00";
const char kGlobalRequest[] = "GLOBAL.P00";
const char kSensorListing[] = "SAP Lodestar.Gbl";

bool HasExtension(const ProfileNameText& name) {
  return name.size() >= 4 && name[name.size() - 4] == '.';
}

// A name with no room left for its extension would be cut into the name of
// some other file; such a name is reported missing instead.
LocateFault AddDefaultExtension() {
  ProfileNameText& name = g_run.ProfileName;
  if (HasExtension(name)) return LocateFault();
  if (name.size() + std::strlen(kDefaultExtension) > name.kCapacity)
    return ProfileMissing(name.c_str());
  name.append(kDefaultExtension);
  return LocateFault();
}

// The listing's name carries its own extension.
void SelectGlobalListing() {
  ProfileNameText upper = g_run.ProfileName;
  upper.to_upper();
  if (!upper.equals(kGlobalRequest)) return;
  g_run.ListingRun = true;
  g_run.ProfileName.assign(kSensorListing);
}

// The last directory separator: Windows takes '/' for one as it takes
// '\\', so both split, or a name like ../../x/PRD would lead the search
// out of the sensor directory. Null when there is none.
const char* LastSeparator(const char* name) {
  const char* backslash = std::strrchr(name, '\\');
  const char* slash = std::strrchr(name, '/');
  if (backslash == nullptr) return slash;
  return slash != nullptr && slash > backslash ? slash : backslash;
}

}  // namespace

LocateFault CompleteProfileName() {
  LocateFault fault = AddDefaultExtension();
  if (!fault.Failed()) SelectGlobalListing();
  return fault;
}

// A separator in the first position alone is no directory: the name keeps
// it and is opened from the root of the current drive.
void SplitProfileDirectory() {
  g_run.ProfileDirectory.clear();
  const char* name = g_run.ProfileName.c_str();
  const char* last = LastSeparator(name);
  if (last != nullptr && last > name) {
    size_t split = static_cast<size_t>(last - name) + 1;
    g_run.ProfileDirectory.assign(name, split);
    g_run.ProfileName.drop_front(split);
  }
  SelectGlobalListing();
}

}  // namespace fernwatch
