// An Env for in-process tests: files are those of a backing Env (the real
// disk, relative to the working directory the test chooses, unless the
// test hands in another), while the clock, the marker files beside the
// program, standard output and the exit are the test's. File operations
// fail on request.
#ifndef FERNWATCH_TESTS_SUPPORT_FAKE_ENV_H_
#define FERNWATCH_TESTS_SUPPORT_FAKE_ENV_H_

#include <memory>
#include <set>
#include <string>

#include "platform/env.h"

namespace fernwatch {

// Thrown where the program would end the process.
struct ProcessExit {
  int status;
};

// The exit status with which `step` ends the process, or -1 when it returns.
template <typename Step>
int ExitStatusOf(Step step) {
  try {
    step();
  } catch (const ProcessExit& exit) {
    return exit.status;
  }
  return -1;
}

// Failures on request, as an error-injecting Env gives them. While a switch
// is on, every call of its kind fails the way the real one can.
struct FileFailures {
  bool open = false;     // OpenText, OpenRaw and OpenAppend give null
  bool read = false;     // a file opened through the Env reads as ended
  bool write = false;    // a sink loses its lines; ReplaceFile writes no copy
  bool replace = false;  // ReplaceFile cannot put its copy in place
  bool lock = false;     // LockWorkingDirectory gives null, as after its wait
};

class FakeEnv : public Env {
 public:
  // Installs itself as the Env in force, until it is destroyed.
  explicit FakeEnv(Env& files = SystemEnv());
  ~FakeEnv() override;

  std::unique_ptr<InputFile> OpenText(const char* path) override;
  std::unique_ptr<InputFile> OpenRaw(const char* path) override;
  // False, with `path` as it was, when `write` or `replace` fails.
  bool ReplaceFile(InputFile& source, const char* path, const HeldLock* lock) override;
  void RemoveFile(const char* path) override;
  int64_t FileSize(const char* path) override;
  std::unique_ptr<LineSink> OpenAppend(const char* path) override;
  // The backing Env's lock, or null at once when `lock` fails.
  std::unique_ptr<HeldLock> LockWorkingDirectory(int wait_milliseconds) override;
  std::string NarrowFromUtf16(const char* bytes, size_t size) override {
    return files_.NarrowFromUtf16(bytes, size);
  }
  bool ExistsBesideProgram(const char* name) override;
  ClockTime LocalTime() override { return clock; }
  int64_t ProcessMilliseconds() override { return process_milliseconds; }
  // Kept in `watch`; the test expires it with Expire() on its own thread.
  std::unique_ptr<Watchdog> StartWatchdog(int64_t milliseconds, void (*expire)(void*),
                                          void* context) override;
  void Expire() { watch.expire(watch.context); }
  using Env::WriteOut;
  void WriteOut(const char* text, size_t length) override { output.append(text, length); }
  // False while `failing_output` is set, as after a write to a full disk.
  bool FlushOut() override { return !failing_output; }
  void WriteError(const char* text, size_t length) override { errors.append(text, length); }
  [[noreturn]] void Exit(int status) override { throw ProcessExit{status}; }
  [[noreturn]] void EndAtOnce(int status) override { throw ProcessExit{status}; }

  // Switched by the test; files already open see a change at once.
  FileFailures& fail() { return *failures_; }

  ClockTime clock = {9, 5, 17};
  int64_t process_milliseconds = 0;
  struct Watch {
    int64_t milliseconds = -1;  // -1: none started
    void (*expire)(void*) = nullptr;
    void* context = nullptr;
  } watch;
  std::set<std::string> beside_program;
  std::string output;
  std::string errors;  // standard error
  bool failing_output = false;
  // When set, path texts rooted at a drive or a backslash (C:\PRTG_Path.Txt,
  // \Program Files\...) name files below this directory instead of the root.
  std::string drive_root;

 private:
  std::string Mapped(const char* path) const;
  std::unique_ptr<InputFile> Watched(std::unique_ptr<InputFile> file) const;

  Env& files_;
  // Shared with the files and sinks opened, which may outlive this Env.
  std::shared_ptr<FileFailures> failures_ = std::make_shared<FileFailures>();
  Env* previous_;
};

// A fresh temporary directory made the working directory for one test, and
// left again (with its content removed) at the end.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  const std::string& path() const { return path_; }
  // Writes `content` to the file `name` below the directory.
  void Write(const std::string& name, const std::string& content) const;
  std::string Read(const std::string& name) const;
  bool Exists(const std::string& name) const;

 private:
  std::string path_;
  std::string previous_;
};

}  // namespace fernwatch

#endif  // FERNWATCH_TESTS_SUPPORT_FAKE_ENV_H_
