#include "support/fake_env.h"

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "run_state.h"

namespace fernwatch {

FakeEnv::FakeEnv() {
  ResetRunState();
  previous_ = InstallEnv(this);
}

FakeEnv::~FakeEnv() {
  ResetRunState();
  InstallEnv(previous_);
}

std::string FakeEnv::Mapped(const char* path) const {
  if (drive_root.empty()) return path;
  const char* rest = path;
  if (std::isalpha(static_cast<unsigned char>(rest[0])) && rest[1] == ':' && rest[2] == '\\')
    rest += 2;
  if (rest[0] != '\\') return path;
  return drive_root + rest;
}

std::unique_ptr<InputFile> FakeEnv::OpenText(const char* path) {
  return SystemEnv().OpenText(Mapped(path).c_str());
}
std::unique_ptr<InputFile> FakeEnv::OpenRaw(const char* path) {
  return SystemEnv().OpenRaw(Mapped(path).c_str());
}
bool FakeEnv::ReplaceFile(InputFile& source, const char* path) {
  return SystemEnv().ReplaceFile(source, Mapped(path).c_str());
}
void FakeEnv::RemoveFile(const char* path) { SystemEnv().RemoveFile(Mapped(path).c_str()); }
std::unique_ptr<LineSink> FakeEnv::OpenAppend(const char* path) {
  return SystemEnv().OpenAppend(Mapped(path).c_str());
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
