// On Windows the lock is a named mutex whose name is made from the working
// directory's full path. Mutex names take no backslash and Windows compares
// paths ignoring case, so the name carries a hash of the upper-cased long
// form of the path. A mutex whose holder died is handed to the next waiter.
#include <windows.h>

#include <cstdint>

#include "platform/directory_lock.h"

namespace fernwatch {
namespace {

// The longest path Windows knows, in UTF-16 units with the terminating zero.
constexpr DWORD kPathCapacity = 32768;
const wchar_t kNameHead[] = L"Fernwatch.WorkingDirectory.";

class DirectoryMutex : public HeldLock {
 public:
  explicit DirectoryMutex(HANDLE mutex) : mutex_(mutex) {}
  ~DirectoryMutex() override {
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
  }

 private:
  HANDLE mutex_;
};

// The working directory as one text for every way of writing it: its long
// form (no 8.3 names), upper-cased as Windows compares file names (with
// the kernel's mapping, so that no window library is loaded). Zero length
// when there is none.
DWORD ComparablePath(wchar_t* folded) {
  static wchar_t path[kPathCapacity];  // one thread; too large for the stack
  DWORD length = GetCurrentDirectoryW(kPathCapacity, path);
  if (length == 0 || length >= kPathCapacity) return 0;
  DWORD long_length = GetLongPathNameW(path, path, kPathCapacity);
  if (long_length != 0 && long_length < kPathCapacity) length = long_length;
  int mapped = LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, path, static_cast<int>(length),
                            folded, static_cast<int>(kPathCapacity));
  if (mapped > 0) return static_cast<DWORD>(mapped);
  for (DWORD i = 0; i < length; ++i) folded[i] = path[i];
  return length;
}

// FNV-1a over the UTF-16 units of the path.
uint64_t PathHash(const wchar_t* path, DWORD length) {
  uint64_t hash = 14695981039346656037ull;
  for (DWORD i = 0; i < length; ++i) {
    hash ^= static_cast<uint16_t>(path[i]);
    hash *= 1099511628211ull;
  }
  return hash;
}

// kNameHead followed by the hash in 16 hexadecimal digits. False when the
// working directory cannot be read.
bool MutexName(wchar_t (&name)[64]) {
  static wchar_t folded[kPathCapacity];
  DWORD length = ComparablePath(folded);
  if (length == 0) return false;
  uint64_t hash = PathHash(folded, length);
  size_t at = 0;
  for (const wchar_t* c = kNameHead; *c != L'\0'; ++c) name[at++] = *c;
  for (int shift = 60; shift >= 0; shift -= 4)
    name[at++] = L"0123456789ABCDEF"[(hash >> shift) & 15];
  name[at] = L'\0';
  return true;
}

}  // namespace

std::unique_ptr<HeldLock> LockCurrentDirectory(int wait_milliseconds) {
  wchar_t name[64];
  if (!MutexName(name)) return nullptr;
  HANDLE mutex = CreateMutexW(nullptr, FALSE, name);
  if (mutex == nullptr) return nullptr;
  DWORD wait = wait_milliseconds > 0 ? static_cast<DWORD>(wait_milliseconds) : 0;
  DWORD outcome = WaitForSingleObject(mutex, wait);
  if (outcome != WAIT_OBJECT_0 && outcome != WAIT_ABANDONED) {
    CloseHandle(mutex);
    return nullptr;
  }
  return std::unique_ptr<HeldLock>(new DirectoryMutex(mutex));
}

}  // namespace fernwatch
