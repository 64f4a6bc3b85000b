// How a Windows path text names a file on a POSIX system.
#ifndef FERNWATCH_PLATFORM_PATH_TEXT_H_
#define FERNWATCH_PLATFORM_PATH_TEXT_H_

#include "fixed_text.h"

namespace fernwatch {

using HostPath = FixedText<1023>;

// Every backslash becomes '/'; "X:\" and a leading backslash both address
// the root, so C:\PRTG_Path.Txt is /PRTG_Path.Txt.
HostPath HostPathOf(const char* path_text);

}  // namespace fernwatch

#endif  // FERNWATCH_PLATFORM_PATH_TEXT_H_
