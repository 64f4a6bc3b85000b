// A loaded library's file on POSIX systems: the dynamic linker names it;
// shared objects carry no version resource.
#include <dlfcn.h>

#include "platform/library_file.h"

namespace fernwatch {

LibraryPath LibraryFileOf(LibraryFunction function) {
  Dl_info info;
  if (dladdr(reinterpret_cast<void*>(function), &info) == 0 || info.dli_fname == nullptr)
    return LibraryPath();
  return LibraryPath(info.dli_fname);
}

LibraryVersion ReadLibraryVersion(const char* path) { return LibraryVersion(); }

}  // namespace fernwatch
