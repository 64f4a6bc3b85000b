// The operating system's Env on POSIX systems. Path texts are mapped as
// HostPathOf says, and text files are read as Windows text mode reads them,
// so a configuration written on Windows reads the same here.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/directory_lock.h"
#include "platform/env.h"
#include "platform/path_text.h"
#include "platform/temporary_copy.h"
#include "platform/utf16_text.h"
#include "platform/watchdog.h"

namespace fernwatch {
namespace {

// A path text too long for the host buffer names no file at all, rather
// than a cut (and so different) one.
bool MapPath(const char* path_text, HostPath* host) {
  if (std::strlen(path_text) >= HostPath::kCapacity) return false;
  *host = HostPathOf(path_text);
  return true;
}

class PosixInputFile : public InputFile {
 public:
  PosixInputFile(FILE* file, bool text) : file_(file), text_(text) {}
  ~PosixInputFile() override { std::fclose(file_); }

  bool ReadLine(char* buffer, size_t size) override {
    if (size == 0) return false;
    size_t used = 0;
    while (used + 1 < size && !at_end_) {
      int c = std::getc(file_);
      // Windows text mode takes a Ctrl-Z for the end of the file.
      if (c == EOF || (text_ && c == kCtrlZ)) {
        at_end_ = true;
        break;
      }
      if (c == '\r' && text_) {
        int next = std::getc(file_);
        if (next == '\n') c = '\n';
        else if (next != EOF) std::ungetc(next, file_);
      }
      buffer[used++] = static_cast<char>(c);
      if (c == '\n') break;
    }
    buffer[used] = '\0';
    return used > 0;
  }

  size_t Read(char* buffer, size_t size) override {
    return std::fread(buffer, 1, size, file_);
  }

  bool Seek(uint64_t offset) override {
    at_end_ = false;
    return offset <= static_cast<uint64_t>(INT64_MAX) &&
           fseeko(file_, static_cast<off_t>(offset), SEEK_SET) == 0;
  }

 private:
  static constexpr int kCtrlZ = 0x1a;
  FILE* file_;
  bool text_;
  bool at_end_ = false;
};

class PosixLineSink : public LineSink {
 public:
  explicit PosixLineSink(FILE* file) : file_(file) {}
  ~PosixLineSink() override { std::fclose(file_); }
  void WriteLine(const char* line) override {
    std::fputs(line, file_);
    std::fflush(file_);
  }

 private:
  FILE* file_;
};

// Only a regular file is taken: a directory opens under POSIX but is no
// file, a FIFO can block the reads for ever and a device (/dev/zero) may
// never end. O_NONBLOCK keeps the open itself from waiting (a FIFO without
// a writer); it is cleared again, as it means nothing for a regular file.
FILE* OpenRegularFile(const char* path_text, int flags, const char* mode) {
  HostPath host;
  if (!MapPath(path_text, &host)) return nullptr;
  int descriptor = open(host.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
  if (descriptor < 0) return nullptr;
  struct stat info;
  const int status = fcntl(descriptor, F_GETFL);
  FILE* file = nullptr;
  if (fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) && status != -1 &&
      fcntl(descriptor, F_SETFL, status & ~O_NONBLOCK) == 0)
    file = fdopen(descriptor, mode);
  if (file == nullptr) close(descriptor);
  return file;
}

// Whether a process of this id runs: its copy may still be written.
bool ProcessRuns(unsigned long process) {
  if (process > static_cast<unsigned long>(INT_MAX)) return false;  // no process id here
  return kill(static_cast<pid_t>(process), 0) == 0 || errno == EPERM;
}

// Removes what processes that ended during their copy left beside
// `target`: the locked copy (the caller holds the lock its writer held) and
// the copies of processes no longer running.
void RemoveLeftoverCopies(const HostPath& target) {
  const char* slash = std::strrchr(target.c_str(), '/');
  HostPath directory;
  if (slash != nullptr) directory.assign(target.c_str(), slash - target.c_str() + 1);
  const char* target_name = slash != nullptr ? slash + 1 : target.c_str();
  DIR* listing = opendir(directory.empty() ? "." : directory.c_str());
  if (listing == nullptr) return;
  while (const dirent* entry = readdir(listing)) {
    unsigned long process = 0;
    if (!IsTemporaryCopy(entry->d_name, target_name, &process)) continue;
    if (process != 0 && ProcessRuns(process)) continue;
    CopyName leftover(directory.c_str());
    leftover.append(entry->d_name);
    unlink(leftover.c_str());
  }
  closedir(listing);
}

// The name in which this process writes its copy. A new file is made: a
// file or link of that name left in place fails the copy rather than
// receive it.
int CreateCopy(const HostPath& target, const HeldLock* lock, CopyName* name) {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  const unsigned long stamp =
      static_cast<unsigned long>(now.tv_sec * 1000 + now.tv_nsec / 1000000) & 0xFFFFFFFFul;
  *name = lock != nullptr ? LockedCopyName(target.c_str())
                          : OwnCopyName(target.c_str(), static_cast<unsigned long>(getpid()), stamp);
  if (name->size() == name->kCapacity) return -1;
  return open(name->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

bool CopyAll(InputFile& source, FILE* target) {
  char chunk[8192];
  size_t count;
  while ((count = source.Read(chunk, sizeof chunk)) > 0)
    if (std::fwrite(chunk, 1, count, target) != count) return false;
  return true;
}

int64_t MonotonicMilliseconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Taken as the program is loaded, before main: the process's start as
// near as the program itself can see it.
const int64_t process_start = MonotonicMilliseconds();

// Standard output into a pipe or a file is written in pieces of this size
// rather than the C library's 4 KiB, so a document of many channels goes
// out in a few writes. A terminal keeps its line buffering.
constexpr size_t kOutputBuffer = 64 * 1024;

class PosixEnv : public Env {
 public:
  // Every byte of standard output passes through this Env, so it is
  // constructed before anything is printed.
  PosixEnv() {
    // The C library sizes a buffer of its own by the device, whatever
    // size is asked for; only a buffer passed in sets the size.
    static char buffer[kOutputBuffer];
    if (!isatty(STDOUT_FILENO)) std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  }

  std::unique_ptr<InputFile> OpenText(const char* path) override { return Open(path, true); }
  std::unique_ptr<InputFile> OpenRaw(const char* path) override { return Open(path, false); }

  bool ReplaceFile(InputFile& source, const char* path, const HeldLock* lock) override {
    HostPath target;
    if (!MapPath(path, &target)) return false;
    if (lock != nullptr) RemoveLeftoverCopies(target);
    CopyName name;
    int descriptor = CreateCopy(target, lock, &name);
    if (descriptor < 0) return false;
    FILE* file = fdopen(descriptor, "wb");
    if (file == nullptr) {
      close(descriptor);
      unlink(name.c_str());
      return false;
    }
    bool written = CopyAll(source, file);
    written = (std::fclose(file) == 0) && written;
    if (!written || std::rename(name.c_str(), target.c_str()) != 0) {
      unlink(name.c_str());
      return false;
    }
    return true;
  }

  void RemoveFile(const char* path) override {
    HostPath host;
    if (MapPath(path, &host)) std::remove(host.c_str());
  }

  int64_t FileSize(const char* path) override {
    HostPath host;
    struct stat info;
    if (!MapPath(path, &host) || stat(host.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
      return -1;
    return static_cast<int64_t>(info.st_size);
  }

  std::unique_ptr<LineSink> OpenAppend(const char* path) override {
    FILE* file = OpenRegularFile(path, O_WRONLY | O_APPEND | O_CREAT, "a");
    if (file == nullptr) return nullptr;
    return std::unique_ptr<LineSink>(new PosixLineSink(file));
  }

  std::unique_ptr<HeldLock> LockWorkingDirectory(int wait_milliseconds) override {
    return LockCurrentDirectory(wait_milliseconds);
  }

  std::string NarrowFromUtf16(const char* bytes, size_t size) override {
    return Utf8FromUtf16(bytes, size);
  }

  bool ExistsBesideProgram(const char* name) override {
    char program[4096];
    ssize_t length = readlink("/proc/self/exe", program, sizeof program - 1);
    if (length <= 0) return false;
    program[length] = '\0';
    char* slash = std::strrchr(program, '/');
    if (slash == nullptr) return false;
    slash[1] = '\0';
    FixedText<4095> candidate(program);
    candidate.append(name);
    struct stat info;
    return stat(candidate.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
  }

  int64_t ProcessMilliseconds() override { return MonotonicMilliseconds() - process_start; }

  std::unique_ptr<Watchdog> StartWatchdog(int64_t milliseconds, void (*expire)(void*),
                                          void* context) override {
    return StartSystemWatchdog(milliseconds, expire, context);
  }

  ClockTime LocalTime() override {
    std::time_t now = std::time(nullptr);
    std::tm parts;
    localtime_r(&now, &parts);
    return ClockTime{parts.tm_hour, parts.tm_min, parts.tm_sec};
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
    _exit(status);
  }

 private:
  std::unique_ptr<InputFile> Open(const char* path, bool text) {
    FILE* file = OpenRegularFile(path, O_RDONLY, "rb");
    if (file == nullptr) return nullptr;
    return std::unique_ptr<InputFile>(new PosixInputFile(file, text));
  }
};

}  // namespace

Env& SystemEnv() {
  static PosixEnv env;
  return env;
}

}  // namespace fernwatch
