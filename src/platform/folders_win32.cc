// Folders on Windows: a folder is the same as another when the system
// gives both the same file index on the same volume, whatever their
// spelling.
#include <windows.h>

#include <cstring>

#include "platform/folders.h"

namespace fernwatch {
namespace {

struct FolderIdentity {
  DWORD Volume;
  DWORD IndexHigh;
  DWORD IndexLow;
};

// An empty path text is the working directory.
const char* SystemPath(const char* path) { return path[0] == '\0' ? "." : path; }

// The identity of the folder at `path`; false when there is none.
bool IdentifyFolder(const char* path, FolderIdentity* identity) {
  if (!IsFolder(path)) return false;
  // A folder opens only with backup semantics; nothing is read or written.
  HANDLE folder = CreateFileA(SystemPath(path), 0,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (folder == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION information;
  bool known = GetFileInformationByHandle(folder, &information) != 0;
  CloseHandle(folder);
  if (!known) return false;
  *identity = FolderIdentity{information.dwVolumeSerialNumber, information.nFileIndexHigh,
                             information.nFileIndexLow};
  return true;
}

}  // namespace

FolderPath ProgramFolderPath() {
  char program[MAX_PATH + 1];
  DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return FolderPath();
  program[length] = '\0';
  char* separator = std::strrchr(program, '\\');
  if (separator == nullptr) return FolderPath();
  *separator = '\0';
  return FolderPath(program);
}

FolderPath WorkingFolderPath() {
  char folder[MAX_PATH + 1];
  DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
  return length > 0 && length < sizeof folder ? FolderPath(folder) : FolderPath();
}

bool IsFolder(const char* path) {
  DWORD attributes = GetFileAttributesA(SystemPath(path));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsSameFolder(const char* first, const char* second) {
  FolderIdentity one;
  FolderIdentity other;
  return IdentifyFolder(first, &one) && IdentifyFolder(second, &other) &&
         one.Volume == other.Volume && one.IndexHigh == other.IndexHigh &&
         one.IndexLow == other.IndexLow;
}

}  // namespace fernwatch
