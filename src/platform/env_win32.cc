// The operating system's Env on Windows: path texts are used as they stand,
// text files are read in the C runtime's text mode, and standard output is
// the console stream in text mode (LF written as CR LF).
#include <io.h>
#include <windows.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "fixed_text.h"
#include "platform/directory_lock.h"
#include "platform/env.h"
#include "platform/temporary_copy.h"
#include "platform/watchdog.h"

namespace fernwatch {
namespace {

class WinInputFile : public InputFile {
 public:
  explicit WinInputFile(FILE* file) : file_(file) {}
  ~WinInputFile() override { std::fclose(file_); }

  bool ReadLine(char* buffer, size_t size) override {
    if (size == 0) return false;
    buffer[0] = '\0';
    int limit = size > 0x7fffffff ? 0x7fffffff : static_cast<int>(size);
    if (std::fgets(buffer, limit, file_) == nullptr) {
      buffer[0] = '\0';
      return false;
    }
    return true;
  }

  size_t Read(char* buffer, size_t size) override {
    return std::fread(buffer, 1, size, file_);
  }

  // The C runtime positions a text-mode file at a byte offset of the disk
  // file, as it positions a binary one.
  bool Seek(uint64_t offset) override {
    return offset <= static_cast<uint64_t>(INT64_MAX) &&
           _fseeki64(file_, static_cast<__int64>(offset), SEEK_SET) == 0;
  }

 private:
  FILE* file_;
};

class WinLineSink : public LineSink {
 public:
  explicit WinLineSink(FILE* file) : file_(file) {}
  ~WinLineSink() override { std::fclose(file_); }
  void WriteLine(const char* line) override {
    std::fputs(line, file_);
    std::fflush(file_);
  }

 private:
  FILE* file_;
};

// A DOS device name (AUX, COM1, CON, NUL, CONIN$, ..., with or without an
// extension, in any directory) names a device, not a file: its full path
// begins with \\.\. Opening a serial port may wait for its line, so such a
// name is refused before any open. A path that has no full path names
// nothing either.
bool NamesDevice(const char* path) {
  const DWORD needed = GetFullPathNameA(path, 0, nullptr, nullptr);
  if (needed == 0) return true;
  std::string full(needed, '\0');
  const DWORD length = GetFullPathNameA(path, needed, &full[0], nullptr);
  if (length == 0 || length >= needed) return true;
  return full.compare(0, 4, "\\\\.\\") == 0;
}

// Only a file on a disk is read: a device or a pipe opened by another name
// may block the reads for ever or never end.
FILE* OpenRegularFile(const char* path, const char* mode) {
  if (NamesDevice(path)) return nullptr;
  FILE* file = std::fopen(path, mode);
  if (file == nullptr) return nullptr;
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    std::fclose(file);
    return nullptr;
  }
  return file;
}

bool WriteAll(HANDLE file, InputFile& source) {
  char chunk[8192];
  size_t count;
  while ((count = source.Read(chunk, sizeof chunk)) > 0) {
    DWORD written = 0;
    if (!WriteFile(file, chunk, static_cast<DWORD>(count), &written, nullptr) ||
        written != count)
      return false;
  }
  return true;
}

// Another process may hold the target open for a moment (a poll reading
// it); the replace is then tried again briefly instead of writing in place.
bool MoveIntoPlace(const char* from, const char* to) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    DWORD error = GetLastError();
    if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) return false;
    Sleep(20);
  }
  return false;
}

// Whether a process of this id runs: its copy may still be written.
bool ProcessRuns(unsigned long process) {
  HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(process));
  if (handle == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
  const bool runs = WaitForSingleObject(handle, 0) == WAIT_TIMEOUT;
  CloseHandle(handle);
  return runs;
}

// Removes what processes that ended during their copy left beside `path`:
// the locked copy (the caller holds the lock its writer held) and the
// copies of processes no longer running. A copy still open cannot be
// removed in any case.
void RemoveLeftoverCopies(const char* path) {
  const char* separator = std::strrchr(path, '\\');
  const char* slash = std::strrchr(path, '/');
  if (slash != nullptr && (separator == nullptr || slash > separator)) separator = slash;
  CopyName directory;
  if (separator != nullptr) directory.assign(path, separator - path + 1);
  const char* target_name = separator != nullptr ? separator + 1 : path;
  CopyName pattern(path);
  pattern.append(".*");
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    unsigned long process = 0;
    if (!IsTemporaryCopy(found.cFileName, target_name, &process)) continue;
    if (process != 0 && ProcessRuns(process)) continue;
    CopyName leftover(directory.c_str());
    leftover.append(found.cFileName);
    DeleteFileA(leftover.c_str());
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

uint64_t HundredNanoseconds(const FILETIME& time) {
  return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

class WinEnv : public Env {
 public:
  std::unique_ptr<InputFile> OpenText(const char* path) override { return Open(path, "r"); }
  std::unique_ptr<InputFile> OpenRaw(const char* path) override { return Open(path, "rb"); }

  bool ReplaceFile(InputFile& source, const char* path, const HeldLock* lock) override {
    if (lock != nullptr) RemoveLeftoverCopies(path);
    const CopyName temporary =
        lock != nullptr ? LockedCopyName(path)
                        : OwnCopyName(path, static_cast<unsigned long>(GetCurrentProcessId()),
                                      static_cast<unsigned long>(GetTickCount()));
    if (temporary.size() == temporary.kCapacity) return false;
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool written = WriteAll(file, source);
    written = CloseHandle(file) && written;
    if (!written || !MoveIntoPlace(temporary.c_str(), path)) {
      DeleteFileA(temporary.c_str());
      return false;
    }
    return true;
  }

  void RemoveFile(const char* path) override { std::remove(path); }

  int64_t FileSize(const char* path) override {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      return -1;
    return static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) |
                                data.nFileSizeLow);
  }

  std::unique_ptr<LineSink> OpenAppend(const char* path) override {
    FILE* file = std::fopen(path, "a");
    if (file == nullptr) return nullptr;
    return std::unique_ptr<LineSink>(new WinLineSink(file));
  }

  std::unique_ptr<HeldLock> LockWorkingDirectory(int wait_milliseconds) override {
    return LockCurrentDirectory(wait_milliseconds);
  }

  std::string NarrowFromUtf16(const char* bytes, size_t size) override {
    std::wstring wide(size / 2, L'\0');
    for (size_t i = 0; i < wide.size(); ++i)
      wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    // The API counts in int; no text the probe reads comes near that.
    const int units = wide.size() < INT_MAX ? static_cast<int>(wide.size()) : INT_MAX;
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), units, nullptr, 0, nullptr,
                                           nullptr);
    if (length <= 0) return std::string();
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), units, &narrow[0], length, nullptr, nullptr);
    return narrow;
  }

  bool ExistsBesideProgram(const char* name) override {
    char program[MAX_PATH + 1];
    DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    program[length] = '\0';
    char* separator = std::strrchr(program, '\\');
    if (separator == nullptr) return false;
    separator[1] = '\0';
    FixedText<4095> candidate(program);
    candidate.append(name);
    DWORD attributes = GetFileAttributesA(candidate.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  // From the creation time Windows keeps for the process.
  int64_t ProcessMilliseconds() override {
    FILETIME created, exited, kernel, user, now;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    GetSystemTimeAsFileTime(&now);
    int64_t elapsed = static_cast<int64_t>(HundredNanoseconds(now) - HundredNanoseconds(created));
    return elapsed < 0 ? 0 : elapsed / 10000;
  }

  std::unique_ptr<Watchdog> StartWatchdog(int64_t milliseconds, void (*expire)(void*),
                                          void* context) override {
    return StartSystemWatchdog(milliseconds, expire, context);
  }

  ClockTime LocalTime() override {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return ClockTime{now.wHour, now.wMinute, now.wSecond};
  }

  void WriteOut(const char* text, size_t length) override {
    std::fwrite(text, 1, length, stdout);
  }

  bool FlushOut() override { return std::fflush(stdout) == 0 && !std::ferror(stdout); }

  void WriteError(const char* text, size_t length) override {
    std::fwrite(text, 1, length, stderr);
    std::fflush(stderr);
  }

  [[noreturn]] void Exit(int status) override {
    std::fflush(stdout);
    std::exit(status);
  }

  [[noreturn]] void EndAtOnce(int status) override {
    std::fflush(stdout);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(status));
    ExitProcess(static_cast<UINT>(status));  // not reached
  }

 private:
  std::unique_ptr<InputFile> Open(const char* path, const char* mode) {
    FILE* file = OpenRegularFile(path, mode);
    if (file == nullptr) return nullptr;
    return std::unique_ptr<InputFile>(new WinInputFile(file));
  }
};

}  // namespace

Env& SystemEnv() {
  static WinEnv env;
  return env;
}

}  // namespace fernwatch
