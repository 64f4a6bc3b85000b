#include "platform/env.h"

#include <cstdlib>

namespace fernwatch {
namespace {
Env* installed_env = nullptr;
}  // namespace

Env& CurrentEnv() { return installed_env != nullptr ? *installed_env : SystemEnv(); }

Env* InstallEnv(Env* env) {
  Env* previous = installed_env;
  installed_env = env;
  return previous;
}

void EndProcess(int status) {
  CurrentEnv().Exit(status);
  std::abort();  // an Env whose Exit returns is a broken Env
}

}  // namespace fernwatch
