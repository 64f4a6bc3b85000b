#include "support/fake_env.h"

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

namespace fernwatch {
namespace {

// A file whose reads fail while the switch is on.
class WatchedFile : public InputFile {
 public:
  WatchedFile(std::unique_ptr<InputFile> file, std::shared_ptr<const FileFailures> failures)
      : file_(std::move(file)), failures_(std::move(failures)) {}
  bool ReadLine(char* buffer, size_t size) override {
    if (!failures_->read) return file_->ReadLine(buffer, size);
    if (size > 0) buffer[0] = '\0';
    return false;
  }
  size_t Read(char* buffer, size_t size) override {
    return failures_->read ? 0 : file_->Read(buffer, size);
  }
  bool Seek(uint64_t offset) override { return file_->Seek(offset); }

 private:
  std::unique_ptr<InputFile> file_;
  std::shared_ptr<const FileFailures> failures_;
};

// A sink that loses its lines while the switch is on.
class WatchedSink : public LineSink {
 public:
  WatchedSink(std::unique_ptr<LineSink> sink, std::shared_ptr<const FileFailures> failures)
      : sink_(std::move(sink)), failures_(std::move(failures)) {}
  void WriteLine(const char* line) override {
    if (!failures_->write) sink_->WriteLine(line);
  }

 private:
  std::unique_ptr<LineSink> sink_;
  std::shared_ptr<const FileFailures> failures_;
};

}  // namespace

FakeEnv::FakeEnv(Env& files) : files_(files) { previous_ = InstallEnv(this); }

FakeEnv::~FakeEnv() { InstallEnv(previous_); }

std::string FakeEnv::Mapped(const char* path) const {
  if (drive_root.empty()) return path;
  const char* rest = path;
  if (std::isalpha(static_cast<unsigned char>(rest[0])) && rest[1] == ':' && rest[2] == '\\')
    rest += 2;
  if (rest[0] != '\\') return path;
  return drive_root + rest;
}

std::unique_ptr<InputFile> FakeEnv::Watched(std::unique_ptr<InputFile> file) const {
  if (file == nullptr) return nullptr;
  return std::unique_ptr<InputFile>(new WatchedFile(std::move(file), failures_));
}

std::unique_ptr<InputFile> FakeEnv::OpenText(const char* path) {
  if (failures_->open) return nullptr;
  return Watched(files_.OpenText(Mapped(path).c_str()));
}
std::unique_ptr<InputFile> FakeEnv::OpenRaw(const char* path) {
  if (failures_->open) return nullptr;
  return Watched(files_.OpenRaw(Mapped(path).c_str()));
}
bool FakeEnv::ReplaceFile(InputFile& source, const char* path, const HeldLock* lock) {
  if (failures_->write || failures_->replace) return false;
  return files_.ReplaceFile(source, Mapped(path).c_str(), lock);
}
void FakeEnv::RemoveFile(const char* path) { files_.RemoveFile(Mapped(path).c_str()); }
int64_t FakeEnv::FileSize(const char* path) { return files_.FileSize(Mapped(path).c_str()); }
std::unique_ptr<LineSink> FakeEnv::OpenAppend(const char* path) {
  if (failures_->open) return nullptr;
  std::unique_ptr<LineSink> sink = files_.OpenAppend(Mapped(path).c_str());
  if (sink == nullptr) return nullptr;
  return std::unique_ptr<LineSink>(new WatchedSink(std::move(sink), failures_));
}
std::unique_ptr<HeldLock> FakeEnv::LockWorkingDirectory(int wait_milliseconds) {
  if (failures_->lock) return nullptr;
  return files_.LockWorkingDirectory(wait_milliseconds);
}
std::unique_ptr<Watchdog> FakeEnv::StartWatchdog(int64_t milliseconds, void (*expire)(void*),
                                                 void* context) {
  watch = Watch{milliseconds, expire, context};
  return std::unique_ptr<Watchdog>(new Watchdog());
}

bool FakeEnv::ExistsBesideProgram(const char* name) { return beside_program.count(name) > 0; }

ScratchDirectory::ScratchDirectory() {
  char pattern[] = "/tmp/fernwatch-test-XXXXXX";
  path_ = mkdtemp(pattern);
  previous_ = std::filesystem::current_path().string();
  std::filesystem::current_path(path_);
}

ScratchDirectory::~ScratchDirectory() {
  std::filesystem::current_path(previous_);
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void ScratchDirectory::Write(const std::string& name, const std::string& content) const {
  std::filesystem::path file = std::filesystem::path(path_) / name;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << content;
}

std::string ScratchDirectory::Read(const std::string& name) const {
  std::ifstream in(std::filesystem::path(path_) / name, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

bool ScratchDirectory::Exists(const std::string& name) const {
  return std::filesystem::exists(std::filesystem::path(path_) / name);
}

}  // namespace fernwatch
