#include "rfcsim/host_os.h"

#include <io.h>
#include <windows.h>

#include <cstdlib>

namespace rfcsim {

namespace {

// File times count 100-nanosecond intervals.
const long long kSecond = 10000000;
// The coarsest grain of file times in use (FAT keeps two seconds).
const long long kSettleTime = 2 * kSecond;

long long Intervals(const FILETIME& time) {
  return static_cast<long long>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                                time.dwLowDateTime);
}

}  // namespace

bool StampOfOpenFile(std::FILE* file, FileStamp* stamp, bool* settled) {
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  BY_HANDLE_FILE_INFORMATION information;
  if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &information)) {
    return false;
  }
  stamp->volume = information.dwVolumeSerialNumber;
  stamp->file = (static_cast<unsigned long long>(information.nFileIndexHigh) << 32) |
                information.nFileIndexLow;
  stamp->size = (static_cast<unsigned long long>(information.nFileSizeHigh) << 32) |
                information.nFileSizeLow;
  stamp->written = Intervals(information.ftLastWriteTime);
  // The change time moves with every change and cannot be set back by a
  // tool that keeps the write time; not every file system has one.
  FILE_BASIC_INFO basic;
  stamp->changed = GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic)
                       ? basic.ChangeTime.QuadPart
                       : stamp->written;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  long long latest = stamp->written > stamp->changed ? stamp->written : stamp->changed;
  *settled = Intervals(now) - latest >= kSettleTime;
  return true;
}

// Large pages need a privilege that a monitoring account does not hold.
char* AllocateLineMemory(size_t size) {
  return static_cast<char*>(std::malloc(size == 0 ? 1 : size));
}

void FreeLineMemory(char* memory, size_t size) { std::free(memory); }

void WaitMilliseconds(int milliseconds) {
  if (milliseconds > 0) Sleep(static_cast<DWORD>(milliseconds));
}

}  // namespace rfcsim
