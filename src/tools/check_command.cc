#include <type_traits>

#include "config/config_path.h"
#include "config/profile_check.h"
#include "platform/console.h"
#include "platform/env.h"
#include "tools/profile_tool.h"

namespace fernwatch {
namespace {

using DecodedPasswordText = decltype(SystemProfile::Password);

// The name a run would give the profile: without its directory, and no
// longer than the run's profile name.
ProfileNameText ProfileNameOf(const char* path) {
  const char* name = path;
  for (const char* c = path; *c != '\0'; ++c)
    if (*c == '\\' || *c == '/' || *c == ':') name = c + 1;
  return ProfileNameText(name);
}

}  // namespace

int CheckCommand(const char* path) {
  std::unique_ptr<InputFile> file = OpenConfigFile(path);
  if (file == nullptr) {
    FixedText<255> reason("cannot read the profile ");
    reason.append(path);
    return Refuse(reason.c_str());
  }
  SystemProfile profile;
  ProfileFault fault = ReadProfileRecord(*file, ProfileForm::kSingle, &profile);
  // The decoded password is of no use here and is not left in memory.
  static_assert(std::is_trivially_copyable<DecodedPasswordText>::value, "wiped as bytes");
  WipeSecret(reinterpret_cast<char*>(&profile.Password), sizeof profile.Password);
  if (fault == ProfileFault::kNone) {
    CurrentEnv().WriteOut("OK\n");
    return kToolSuccess;
  }
  CurrentEnv().WriteOut(ProfileFaultMessage(fault, ProfileNameOf(path).c_str()).c_str());
  CurrentEnv().WriteOut("\n");
  return kToolRefused;
}

}  // namespace fernwatch
