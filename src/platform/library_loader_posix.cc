// Loading a shared library on POSIX systems: from the program's own folder
// first, as Windows does, then from the system's places. dlerror() gives
// the reason of a failure; the file's own header tells the other bitness.
#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "platform/folders.h"
#include "platform/library_loader.h"

namespace fernwatch {
namespace {

// The bitness an ELF file is built for, by its class; 0 for any other file.
int ElfFileBits(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return 0;
  unsigned char ident[5];
  bool read = std::fread(ident, 1, sizeof ident, file) == sizeof ident;
  std::fclose(file);
  if (!read || std::memcmp(ident, "\177ELF", 4) != 0) return 0;
  if (ident[4] == 1) return 32;
  if (ident[4] == 2) return 64;
  return 0;
}

const char* LastError() {
  const char* error = dlerror();
  return error != nullptr ? error : "";
}

// Why dlopen failed for the file at `path`, which is there.
void DescribeFailedLoad(const char* path, const char* error, LibraryFault* fault) {
  fault->File.assign(path);
  int bits = ElfFileBits(path);
  if (bits != 0 && bits != kProgramBits) {
    fault->Kind = LibraryFaultKind::kOtherBitness;
    fault->FileBits = bits;
    return;
  }
  fault->Kind = LibraryFaultKind::kNotLoadable;
  struct stat info;
  fault->IsFolder = stat(path, &info) == 0 && S_ISDIR(info.st_mode);
  fault->Reason.assign(error);
}

LibraryHandle LoadFrom(const char* path, LibraryFault* fault) {
  LibraryHandle library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) DescribeFailedLoad(path, LastError(), fault);
  return library;
}

bool Exists(const char* path) {
  struct stat info;
  return stat(path, &info) == 0;
}

}  // namespace

LibraryHandle LoadSharedLibrary(const char* file, LibraryFault* fault) {
  *fault = LibraryFault();
  const char* slash = std::strrchr(file, '/');
  if (slash != nullptr) {
    if (Exists(file)) return LoadFrom(file, fault);
    fault->Kind = LibraryFaultKind::kMissing;
    fault->File.assign(slash + 1);
    fault->Places.assign(file, static_cast<size_t>(slash - file));
    return nullptr;
  }
  LibraryPath folder(ProgramFolderPath().c_str());
  LibraryPath beside(folder);
  beside.append("/");
  beside.append(file);
  if (!folder.empty() && Exists(beside.c_str())) return LoadFrom(beside.c_str(), fault);
  LibraryHandle library = dlopen(file, RTLD_NOW | RTLD_LOCAL);
  if (library != nullptr) return library;
  fault->Kind = LibraryFaultKind::kMissing;
  fault->File.assign(file);
  fault->Places.format("the program's folder %s, then the system's library places",
                       folder.c_str());
  fault->Reason.assign(LastError());
  return nullptr;
}

LibraryFunction SharedLibraryFunction(LibraryHandle library, const char* name,
                                      LibraryFault* fault) {
  dlerror();
  void* function = dlsym(library, name);
  if (function != nullptr) return reinterpret_cast<LibraryFunction>(function);
  *fault = LibraryFault();
  fault->Kind = LibraryFaultKind::kFunctionMissing;
  fault->Reason.assign(LastError());
  struct link_map* map = nullptr;
  if (dlinfo(library, RTLD_DI_LINKMAP, &map) == 0 && map != nullptr)
    fault->File.assign(map->l_name);
  fault->Function.assign(name);
  return nullptr;
}

}  // namespace fernwatch
