#include "config/config_path.h"

namespace fernwatch {

ConfigPath JoinPath(const char* directory, const char* name, const char* more) {
  ConfigPath path(directory);
  path.append(name);
  path.append(more);
  return path;
}

std::unique_ptr<InputFile> OpenConfigFile(const char* path) {
  return CurrentEnv().OpenText(path);
}

bool ConfigFileExists(const char* path) { return OpenConfigFile(path) != nullptr; }

}  // namespace fernwatch
