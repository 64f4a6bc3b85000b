// An Env for in-process tests: files are the real ones (relative to the
// working directory the test chooses), while the clock, the marker files
// beside the program, standard output and the exit are the test's.
#ifndef FERNWATCH_TESTS_SUPPORT_FAKE_ENV_H_
#define FERNWATCH_TESTS_SUPPORT_FAKE_ENV_H_

#include <set>
#include <string>

#include "platform/env.h"

namespace fernwatch {

// Thrown where the program would end the process.
struct ProcessExit {
  int status;
};

class FakeEnv : public Env {
 public:
  FakeEnv();
  ~FakeEnv() override;

  std::unique_ptr<InputFile> OpenText(const char* path) override;
  std::unique_ptr<InputFile> OpenRaw(const char* path) override;
  bool ReplaceFile(InputFile& source, const char* path) override;
  void RemoveFile(const char* path) override;
  std::unique_ptr<LineSink> OpenAppend(const char* path) override;
  bool ExistsBesideProgram(const char* name) override;
  ClockTime LocalTime() override { return clock; }
  void WriteOut(const char* text) override { output += text; }
  [[noreturn]] void Exit(int status) override { throw ProcessExit{status}; }

  ClockTime clock = {9, 5, 17};
  std::set<std::string> beside_program;
  std::string output;
  // When set, path texts rooted at a drive or a backslash (C:\PRTG_Path.Txt,
  // \Program Files\...) name files below this directory instead of the root.
  std::string drive_root;

 private:
  std::string Mapped(const char* path) const;

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
