// The one seam between the probe and the operating system: files, the
// program's own directory, the local time, standard output and standard
// error, and the exit.
// Everything else in the program works on Windows path texts and plain
// memory; tests install their own Env to watch or steer these effects.
#ifndef FERNWATCH_PLATFORM_ENV_H_
#define FERNWATCH_PLATFORM_ENV_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace fernwatch {

// A file open for reading.
class InputFile {
 public:
  virtual ~InputFile() = default;
  // Reads as fgets does: at most size-1 bytes, through the first line feed,
  // zero-terminated. A file opened as text delivers a CR LF pair as LF.
  // Returns false, with an empty buffer, when nothing was left to read.
  virtual bool ReadLine(char* buffer, size_t size) = 0;
  // Reads up to `size` raw bytes; 0 at the end of the file.
  virtual size_t Read(char* buffer, size_t size) = 0;
  // Goes to byte `offset` of the file as it lies on disk (before any text
  // mode translation), from where the next read starts. False, with the
  // position unknown, when the file cannot be positioned there.
  virtual bool Seek(uint64_t offset) = 0;
};

// A file open for appending lines, each flushed at once.
class LineSink {
 public:
  virtual ~LineSink() = default;
  virtual void WriteLine(const char* line) = 0;
};

// A lock held by this process until it is destroyed; the system releases
// it as well when the process ends in any way.
class HeldLock {
 public:
  virtual ~HeldLock() = default;
};

// A watch over a deadline, stopped when it is destroyed.
class Watchdog {
 public:
  virtual ~Watchdog() = default;
};

struct ClockTime {
  int hour;
  int minute;
  int second;
};

class Env {
 public:
  virtual ~Env() = default;

  // All paths are Windows path texts (backslashes, drive letters).
  // Only a regular file opens for reading: a directory, a FIFO, a device
  // or a DOS device name (AUX, COM1, CON, NUL, ..., with any extension)
  // gives null at once, as a missing file does, so that no such name can
  // block the run or feed it without end.
  virtual std::unique_ptr<InputFile> OpenText(const char* path) = 0;
  virtual std::unique_ptr<InputFile> OpenRaw(const char* path) = 0;
  // Copies `source` to its end into `path`, replacing `path` in one step so
  // that a concurrent reader sees the old or the new file whole. The copy is
  // written first to a temporary file beside `path`: while the caller holds
  // the working directory's lock (`lock` not null), "<path>.tmp", which no
  // one else writes, after the copies that ended processes left beside
  // `path` are removed ("<path>.tmp" and the copies of processes no longer
  // running); without the lock "<path>.<process>.<stamp>.tmp", a name of
  // this process alone. So no two processes write one file, and no copy of
  // a process killed during it stays for long. Returns false when the copy
  // cannot be written (its temporary file is removed); `path` is then left
  // as it was.
  virtual bool ReplaceFile(InputFile& source, const char* path, const HeldLock* lock) = 0;
  virtual void RemoveFile(const char* path) = 0;
  // The size of the file in bytes, or -1 when there is no such file (or
  // it is no regular file).
  virtual int64_t FileSize(const char* path) = 0;
  // Null when the file cannot be opened for appending without waiting.
  virtual std::unique_ptr<LineSink> OpenAppend(const char* path) = 0;

  // Takes the lock that every process working in the current working
  // directory shares, waiting for it at most `wait_milliseconds`. Creates
  // no file. Null when the lock was not had in that time, or not at all.
  virtual std::unique_ptr<HeldLock> LockWorkingDirectory(int wait_milliseconds) = 0;

  // The text of the UTF-16LE code units in `bytes` (`size` bytes, low byte
  // first; a last odd byte is dropped) in the narrow code page in which
  // path texts are written: the ANSI code page on Windows, UTF-8 elsewhere.
  // A character that code page lacks becomes '?'.
  virtual std::string NarrowFromUtf16(const char* bytes, size_t size) = 0;

  // Whether a file of this name stands in the program's own directory.
  virtual bool ExistsBesideProgram(const char* name) = 0;
  virtual ClockTime LocalTime() = 0;
  // Milliseconds since the process started.
  virtual int64_t ProcessMilliseconds() = 0;
  // Calls `expire(context)` on a thread of its own once `milliseconds` have
  // passed, unless the watch returned is destroyed first. Null when no
  // thread can be started.
  virtual std::unique_ptr<Watchdog> StartWatchdog(int64_t milliseconds, void (*expire)(void*),
                                                  void* context) = 0;

  // Writes `length` bytes of `text` to standard output.
  virtual void WriteOut(const char* text, size_t length) = 0;
  void WriteOut(const char* text) { WriteOut(text, std::strlen(text)); }
  // Hands what standard output holds to the caller. False when any write
  // of standard output failed (a full disk, a closed stream).
  virtual bool FlushOut() = 0;
  // Writes `length` bytes of `text` to standard error.
  virtual void WriteError(const char* text, size_t length) = 0;
  [[noreturn]] virtual void Exit(int status) = 0;
  // Ends the process from any thread with `status` after flushing what it
  // printed, without waiting for its other threads and without running the
  // unload code of its libraries, which may wait on a call that hangs.
  [[noreturn]] virtual void EndAtOnce(int status) = 0;
};

// The Env in force: the operating system's unless a test installed another.
Env& CurrentEnv();
// Installs `env` (null restores the operating system's); returns the previous.
Env* InstallEnv(Env* env);
// The operating system's Env of this platform.
Env& SystemEnv();

// Ends the process through the Env in force with `status`.
[[noreturn]] void EndProcess(int status);

}  // namespace fernwatch

#endif  // FERNWATCH_PLATFORM_ENV_H_
