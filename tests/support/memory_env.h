// An Env whose files live in memory, for code that must neither touch the
// disk nor end the process: the fuzz targets. Files are kept under the path
// text by which the program names them, exactly as written (no case
// folding, no mapping of drives). Text files read as the system's Env reads
// them, the way Windows text mode does: a CR LF pair arrives as LF and a
// Ctrl-Z ends the file. Standard output is collected, the exit is thrown as
// a ProcessExit, the clock stands still, and a front-end is designated only
// by a marker placed in `beside_program`.
#ifndef FERNWATCH_TESTS_SUPPORT_MEMORY_ENV_H_
#define FERNWATCH_TESTS_SUPPORT_MEMORY_ENV_H_

#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/env.h"
#include "support/fake_env.h"

namespace fernwatch {

class MemoryEnv : public Env {
 public:
  // Installs itself as the Env in force, until it is destroyed.
  MemoryEnv();
  ~MemoryEnv() override;

  // A file opened reads the content it had at the open; null when there is
  // no file of that name.
  std::unique_ptr<InputFile> OpenText(const char* path) override;
  std::unique_ptr<InputFile> OpenRaw(const char* path) override;
  // Written whole at once: no temporary file, so the lock plays no part.
  bool ReplaceFile(InputFile& source, const char* path, const HeldLock* lock) override;
  void RemoveFile(const char* path) override;
  // The length of the content in `files`, -1 for a name not there.
  int64_t FileSize(const char* path) override;
  // Always granted: one process alone works in memory.
  std::unique_ptr<HeldLock> LockWorkingDirectory(int wait_milliseconds) override;
  // Lines written go to the end of the file in `files` at once.
  std::unique_ptr<LineSink> OpenAppend(const char* path) override;
  // UTF-8, as the POSIX systems' Env gives it.
  std::string NarrowFromUtf16(const char* bytes, size_t size) override;
  bool ExistsBesideProgram(const char* name) override;
  ClockTime LocalTime() override { return clock; }
  int64_t ProcessMilliseconds() override { return 0; }
  // No deadline ever passes in memory.
  std::unique_ptr<Watchdog> StartWatchdog(int64_t, void (*)(void*), void*) override {
    return std::unique_ptr<Watchdog>(new Watchdog());
  }
  using Env::WriteOut;
  void WriteOut(const char* text, size_t length) override { output.append(text, length); }
  bool FlushOut() override { return true; }
  void WriteError(const char* text, size_t length) override { errors.append(text, length); }
  [[noreturn]] void Exit(int status) override { throw ProcessExit{status}; }
  [[noreturn]] void EndAtOnce(int status) override { throw ProcessExit{status}; }

  std::map<std::string, std::string> files;
  std::set<std::string> beside_program;
  ClockTime clock = {9, 5, 17};
  std::string output;
  std::string errors;  // standard error

 private:
  Env* previous_;
};

}  // namespace fernwatch

#endif  // FERNWATCH_TESTS_SUPPORT_MEMORY_ENV_H_
