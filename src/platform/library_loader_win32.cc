// Loading a DLL on Windows as the system loads one that a program imports.
// When the load fails, the search is walked once more to tell the cases
// apart: the code of LoadLibrary alone says the same (126 or 193) for a
// file that is nowhere, one of the other bitness and one that needs a
// missing DLL.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/folders.h"
#include "platform/library_loader.h"

namespace fernwatch {
namespace {

using FolderText = FixedText<1023>;

FolderText SystemFolder() {
  char folder[MAX_PATH + 1];
  UINT length = GetSystemDirectoryA(folder, sizeof folder);
  return length > 0 && length < sizeof folder ? FolderText(folder) : FolderText();
}

FolderText WindowsFolder() {
  char folder[MAX_PATH + 1];
  UINT length = GetWindowsDirectoryA(folder, sizeof folder);
  return length > 0 && length < sizeof folder ? FolderText(folder) : FolderText();
}

// The 16-bit system folder, "system" in the Windows folder.
FolderText System16Folder() {
  FolderText folder = WindowsFolder();
  if (!folder.empty()) folder.append("\\system");
  return folder;
}

// Whether anything named `name` stands in `folder`: a file or a folder,
// either of which the system's search stops at. Its path goes to `path`.
bool FoundIn(const char* folder, size_t folder_length, const char* name, LibraryPath* path) {
  if (folder_length == 0) return false;
  path->assign(folder, folder_length);
  if (folder[folder_length - 1] != '\\') path->append("\\");
  path->append(name);
  return GetFileAttributesA(path->c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The folders of PATH in their order; an entry may stand in quotes.
bool FoundAlongPath(const char* name, LibraryPath* path) {
  char folders[32768];
  DWORD length = GetEnvironmentVariableA("PATH", folders, sizeof folders);
  if (length == 0 || length >= sizeof folders) return false;
  for (const char* entry = folders; *entry != '\0';) {
    const char* end = std::strchr(entry, ';');
    if (end == nullptr) end = entry + std::strlen(entry);
    const char* first = entry;
    const char* last = end;
    if (first < last && *first == '"') ++first;
    if (first < last && last[-1] == '"') --last;
    if (FoundIn(first, static_cast<size_t>(last - first), name, path)) return true;
    entry = *end == ';' ? end + 1 : end;
  }
  return false;
}

// The first `name` in the order in which Windows searches for a DLL that a
// program imports: the program's folder, the system folder, the 16-bit
// system folder, the Windows folder, the working directory, the folders
// of PATH.
bool FoundAlongSearchOrder(const char* name, LibraryPath* path) {
  const FolderText folders[] = {ProgramFolderPath(), SystemFolder(), System16Folder(),
                                WindowsFolder(), WorkingFolderPath()};
  for (const FolderText& folder : folders)
    if (FoundIn(folder.c_str(), folder.size(), name, path)) return true;
  return FoundAlongPath(name, path);
}

void DescribeSearchOrder(FixedText<1023>* places) {
  places->format("the program's folder %s, then %s, %s, %s, the working directory %s and the "
                 "folders of PATH",
                 ProgramFolderPath().c_str(), SystemFolder().c_str(), System16Folder().c_str(),
                 WindowsFolder().c_str(), WorkingFolderPath().c_str());
}

uint32_t LittleEndian(const unsigned char* bytes, int count) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[i];
  return value;
}

// The bitness a PE file is built for, by the Machine field of its header
// (0x014C: 32-bit x86, 0x8664: x64); 0 for any other file.
int PeFileBits(const char* path) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return 0;
  unsigned char dos_header[64];
  unsigned char pe_header[6];
  bool read = std::fread(dos_header, 1, sizeof dos_header, file) == sizeof dos_header &&
              dos_header[0] == 'M' && dos_header[1] == 'Z' &&
              std::fseek(file, static_cast<long>(LittleEndian(dos_header + 0x3C, 4) & 0x7FFFFFFF),
                         SEEK_SET) == 0 &&
              std::fread(pe_header, 1, sizeof pe_header, file) == sizeof pe_header;
  std::fclose(file);
  if (!read || std::memcmp(pe_header, "PE\0\0", 4) != 0) return 0;
  uint32_t machine = LittleEndian(pe_header + 4, 2);
  if (machine == 0x014C) return 32;
  if (machine == 0x8664) return 64;
  return 0;
}

// "Windows error <code>: <the system's text>", the text without its line
// end and final period, and with its "%1" standing for `name`.
FixedText<511> WindowsErrorText(DWORD code, const char* name) {
  char text[512];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                nullptr, code, 0, text, sizeof text, nullptr);
  while (length > 0 && std::strchr(" .\r\n", text[length - 1]) != nullptr) --length;
  FixedText<511> reason;
  reason.format("Windows error %lu", static_cast<unsigned long>(code));
  if (length > 0) reason.append(": ");
  for (DWORD i = 0; i < length; ++i) {
    if (text[i] == '%' && i + 1 < length && text[i + 1] == '1') {
      reason.append(name);
      ++i;
    } else {
      reason.append_char(text[i]);
    }
  }
  return reason;
}

const char* NameOf(const char* file) {
  const char* name = file;
  for (const char* at = file; *at != '\0'; ++at)
    if (*at == '\\' || *at == '/' || *at == ':') name = at + 1;
  return name;
}

// Why LoadLibrary failed with `code` for `file`, told by the file that its
// search finds first.
void DescribeFailedLoad(const char* file, DWORD code, LibraryFault* fault) {
  const char* name = NameOf(file);
  LibraryPath found(file);
  bool exists = name != file ? GetFileAttributesA(file) != INVALID_FILE_ATTRIBUTES
                             : FoundAlongSearchOrder(name, &found);
  if (!exists) {
    fault->Kind = LibraryFaultKind::kMissing;
    fault->File.assign(name);
    if (name != file) fault->Places.assign(file, static_cast<size_t>(name - file));
    else DescribeSearchOrder(&fault->Places);
    return;
  }
  fault->File = found;
  int bits = PeFileBits(found.c_str());
  if (bits != 0 && bits != kProgramBits) {
    fault->Kind = LibraryFaultKind::kOtherBitness;
    fault->FileBits = bits;
    return;
  }
  fault->Kind = LibraryFaultKind::kNotLoadable;
  fault->IsFolder = (GetFileAttributesA(found.c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0;
  // 126 for a file that is there: a DLL it imports is not.
  fault->NeedsMissingLibrary = !fault->IsFolder && code == ERROR_MOD_NOT_FOUND;
  fault->Reason = WindowsErrorText(code, name);
}

}  // namespace

LibraryHandle LoadSharedLibrary(const char* file, LibraryFault* fault) {
  *fault = LibraryFault();
  // A poll runs unattended: no message box may wait for a person. The
  // modes the process was started with are kept.
  UINT started_with = SetErrorMode(SEM_FAILCRITICALERRORS);
  SetErrorMode(started_with | SEM_FAILCRITICALERRORS);
  HMODULE library = LoadLibraryA(file);
  if (library == nullptr) DescribeFailedLoad(file, GetLastError(), fault);
  return library;
}

LibraryFunction SharedLibraryFunction(LibraryHandle library, const char* name,
                                      LibraryFault* fault) {
  HMODULE module = static_cast<HMODULE>(library);
  FARPROC function = GetProcAddress(module, name);
  if (function != nullptr) return reinterpret_cast<LibraryFunction>(function);
  DWORD code = GetLastError();
  *fault = LibraryFault();
  fault->Kind = LibraryFaultKind::kFunctionMissing;
  char path[MAX_PATH + 1];
  DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  path[length < MAX_PATH ? length : 0] = '\0';
  fault->File.assign(path);
  fault->Function.assign(name);
  fault->Reason = WindowsErrorText(code, NameOf(path));
  return nullptr;
}

}  // namespace fernwatch
