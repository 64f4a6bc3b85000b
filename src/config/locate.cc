#include "config/locate.h"

namespace fernwatch {

void CompleteProfileName() {}
void LocateProfile() {}

}  // namespace fernwatch
