#include "config/config_path.h"

#include <cstring>

namespace fernwatch {

ConfigPath JoinPath(const char* directory, const char* name, const char* more) {
  ConfigPath path(directory);
  path.append(name);
  path.append(more);
  return path;
}

// The mark is skipped on disk, before the text is read line by line, so
// that the lines are cut as in a file without it.
std::unique_ptr<InputFile> OpenConfigFile(const char* path) {
  std::unique_ptr<InputFile> file = CurrentEnv().OpenText(path);
  if (file == nullptr) return nullptr;
  char start[sizeof kUtf8ByteOrderMark - 1];
  const bool marked = file->Read(start, sizeof start) == sizeof start &&
                      std::memcmp(start, kUtf8ByteOrderMark, sizeof start) == 0;
  if (!marked && !file->Seek(0)) return nullptr;
  return file;
}

bool ConfigFileExists(const char* path) { return OpenConfigFile(path) != nullptr; }

}  // namespace fernwatch
