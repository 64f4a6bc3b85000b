#include "config/system_profile.h"

namespace fernwatch {

void ReadSystemProfile(std::unique_ptr<InputFile> file, ProfileForm form) {}

}  // namespace fernwatch
