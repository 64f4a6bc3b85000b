// A loaded library's file on Windows: the module that holds a function,
// and the file's version resource, as Explorer shows it on the file's
// Details tab.
#include <windows.h>

#include <memory>

#include "platform/library_file.h"

namespace fernwatch {
namespace {

void TakeFileVersion(const void* resource, LibraryVersion* version) {
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  char root[] = "\\";
  if (!VerQueryValueA(resource, root, reinterpret_cast<void**>(&fixed), &size) ||
      fixed == nullptr || size < sizeof *fixed || fixed->dwSignature != 0xFEEF04BD)
    return;
  version->FileVersion.format("%lu.%lu.%lu.%lu",
                              static_cast<unsigned long>(HIWORD(fixed->dwFileVersionMS)),
                              static_cast<unsigned long>(LOWORD(fixed->dwFileVersionMS)),
                              static_cast<unsigned long>(HIWORD(fixed->dwFileVersionLS)),
                              static_cast<unsigned long>(LOWORD(fixed->dwFileVersionLS)));
}

// The description in the first language the resource lists.
void TakeDescription(const void* resource, LibraryVersion* version) {
  struct Translation {
    WORD language;
    WORD code_page;
  }* translations = nullptr;
  UINT size = 0;
  char list[] = "\\VarFileInfo\\Translation";
  if (!VerQueryValueA(resource, list, reinterpret_cast<void**>(&translations), &size) ||
      translations == nullptr || size < sizeof *translations)
    return;
  char name[64];
  wsprintfA(name, "\\StringFileInfo\\%04x%04x\\FileDescription", translations->language,
            translations->code_page);
  char* text = nullptr;
  if (VerQueryValueA(resource, name, reinterpret_cast<void**>(&text), &size) && text != nullptr)
    version->Description.assign(text, size);
}

}  // namespace

LibraryPath LibraryFileOf(LibraryFunction function) {
  HMODULE module = nullptr;
  if (!GetModuleHandleExA(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCSTR>(function), &module))
    return LibraryPath();
  char path[MAX_PATH + 1];
  DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return LibraryPath();
  path[length] = '\0';
  return LibraryPath(path);
}

LibraryVersion ReadLibraryVersion(const char* path) {
  LibraryVersion version;
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  if (size == 0) return version;
  std::unique_ptr<char[]> resource(new char[size]);
  if (!GetFileVersionInfoA(path, 0, size, resource.get())) return version;
  TakeFileVersion(resource.get(), &version);
  TakeDescription(resource.get(), &version);
  return version;
}

}  // namespace fernwatch
