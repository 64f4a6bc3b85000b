// What the system knows of a loaded library's file: where it was loaded
// from, and what its version resource says. The probe needs neither; the
// profile tool's doctor shows them. The posix and the win32 source are
// chosen by the build.
#ifndef FERNWATCH_PLATFORM_LIBRARY_FILE_H_
#define FERNWATCH_PLATFORM_LIBRARY_FILE_H_

#include "fixed_text.h"
#include "platform/library_loader.h"

namespace fernwatch {

// The path of the loaded library that holds `function`; empty when the
// system cannot tell.
LibraryPath LibraryFileOf(LibraryFunction function);

// A file's version resource: the file version of its fixed part
// ("7.50.3.12") and its description, each empty when the file has none.
struct LibraryVersion {
  FixedText<47> FileVersion;
  FixedText<255> Description;
};

// The version resource of the file at `path`. Windows files carry one; a
// file without it, and every file on POSIX systems, gives empty texts.
LibraryVersion ReadLibraryVersion(const char* path);

}  // namespace fernwatch

#endif  // FERNWATCH_PLATFORM_LIBRARY_FILE_H_
