#include "support/memory_env.h"

#include <cstring>
#include <utility>

#include "platform/utf16_text.h"

namespace fernwatch {
namespace {

constexpr char kCtrlZ = 0x1a;

// Reads as the system's Env reads a file on disk, fgets-wise.
class MemoryFile : public InputFile {
 public:
  MemoryFile(std::string content, bool text) : content_(std::move(content)), text_(text) {}

  bool ReadLine(char* buffer, size_t size) override {
    if (size == 0) return false;
    size_t used = 0;
    while (used + 1 < size && !at_end_) {
      if (at_ == content_.size() || (text_ && content_[at_] == kCtrlZ)) {
        at_end_ = true;
        break;
      }
      char c = content_[at_++];
      if (c == '\r' && text_ && at_ < content_.size() && content_[at_] == '\n') c = content_[at_++];
      buffer[used++] = c;
      if (c == '\n') break;
    }
    buffer[used] = '\0';
    return used > 0;
  }

  // Positions are bytes of the content as stored, before CR LF becomes LF.
  bool Seek(uint64_t offset) override {
    if (offset > content_.size()) return false;
    at_ = static_cast<size_t>(offset);
    at_end_ = false;
    return true;
  }

  size_t Read(char* buffer, size_t size) override {
    size_t count = content_.size() - at_ < size ? content_.size() - at_ : size;
    std::memcpy(buffer, content_.data() + at_, count);
    at_ += count;
    return count;
  }

 private:
  std::string content_;
  bool text_;
  size_t at_ = 0;
  bool at_end_ = false;
};

// Appends by name: a sink never holds on to a file the Env may remove.
class MemorySink : public LineSink {
 public:
  MemorySink(std::map<std::string, std::string>* files, const char* path)
      : files_(files), path_(path) {}
  void WriteLine(const char* line) override { (*files_)[path_].append(line); }

 private:
  std::map<std::string, std::string>* files_;
  std::string path_;
};

}  // namespace

MemoryEnv::MemoryEnv() { previous_ = InstallEnv(this); }

int64_t MemoryEnv::FileSize(const char* path) {
  auto file = files.find(path);
  return file == files.end() ? -1 : static_cast<int64_t>(file->second.size());
}

std::unique_ptr<HeldLock> MemoryEnv::LockWorkingDirectory(int wait_milliseconds) {
  return std::unique_ptr<HeldLock>(new HeldLock());
}

MemoryEnv::~MemoryEnv() { InstallEnv(previous_); }

std::unique_ptr<InputFile> MemoryEnv::OpenText(const char* path) {
  auto file = files.find(path);
  if (file == files.end()) return nullptr;
  return std::unique_ptr<InputFile>(new MemoryFile(file->second, true));
}

std::unique_ptr<InputFile> MemoryEnv::OpenRaw(const char* path) {
  auto file = files.find(path);
  if (file == files.end()) return nullptr;
  return std::unique_ptr<InputFile>(new MemoryFile(file->second, false));
}

bool MemoryEnv::ReplaceFile(InputFile& source, const char* path, const HeldLock* lock) {
  std::string copy;
  char chunk[4096];
  size_t count;
  while ((count = source.Read(chunk, sizeof chunk)) > 0) copy.append(chunk, count);
  files[path] = std::move(copy);
  return true;
}

void MemoryEnv::RemoveFile(const char* path) { files.erase(path); }

std::unique_ptr<LineSink> MemoryEnv::OpenAppend(const char* path) {
  files[path];  // opened for appending: there from now on
  return std::unique_ptr<LineSink>(new MemorySink(&files, path));
}

std::string MemoryEnv::NarrowFromUtf16(const char* bytes, size_t size) {
  return Utf8FromUtf16(bytes, size);
}

bool MemoryEnv::ExistsBesideProgram(const char* name) { return beside_program.count(name) > 0; }

}  // namespace fernwatch
