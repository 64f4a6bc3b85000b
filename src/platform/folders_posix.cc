// Folders on POSIX systems: path texts are mapped as HostPathOf says, and
// a folder is the same as another when it is the same inode of the same
// device.
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "platform/folders.h"
#include "platform/path_text.h"

namespace fernwatch {
namespace {

// The folder at `path`, in `info`; false when there is none.
bool StatFolder(const char* path, struct stat* info) {
  HostPath host = HostPathOf(path);
  if (host.empty()) host.assign(".");
  return stat(host.c_str(), info) == 0 && S_ISDIR(info->st_mode);
}

}  // namespace

FolderPath ProgramFolderPath() {
  char program[4096];
  ssize_t length = readlink("/proc/self/exe", program, sizeof program - 1);
  if (length <= 0) return FolderPath();
  program[length] = '\0';
  char* slash = std::strrchr(program, '/');
  if (slash == nullptr) return FolderPath();
  *slash = '\0';
  return FolderPath(program);
}

FolderPath WorkingFolderPath() {
  char folder[4096];
  if (getcwd(folder, sizeof folder) == nullptr) return FolderPath();
  return FolderPath(folder);
}

bool IsFolder(const char* path) {
  struct stat info;
  return StatFolder(path, &info);
}

bool IsSameFolder(const char* first, const char* second) {
  struct stat one;
  struct stat other;
  return StatFolder(first, &one) && StatFolder(second, &other) && one.st_dev == other.st_dev &&
         one.st_ino == other.st_ino;
}

}  // namespace fernwatch
