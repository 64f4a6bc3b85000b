// Loading a shared library while the program runs, and telling why one
// cannot be used: there is no such file where the system looks, the file
// is built for the other bitness, the system refuses to load it, or a
// function is missing from it. The posix and the win32 source are chosen
// by the build.
#ifndef FERNWATCH_PLATFORM_LIBRARY_LOADER_H_
#define FERNWATCH_PLATFORM_LIBRARY_LOADER_H_

#include "fixed_text.h"

namespace fernwatch {

using LibraryPath = FixedText<1023>;

// The bitness of this program: 32 or 64.
constexpr int kProgramBits = static_cast<int>(sizeof(void*) * 8);

enum class LibraryFaultKind {
  kNone,
  kMissing,          // no file of that name where the system looks
  kOtherBitness,     // the file found is built for the other bitness
  kNotLoadable,      // the system refuses to load the file found
  kFunctionMissing,  // the library loaded has no function of that name
};

// Why a library cannot be used, in the words that name the file and the
// system's own reason. Each text is cut at its capacity.
struct LibraryFault {
  LibraryFaultKind Kind = LibraryFaultKind::kNone;
  // The file: its name alone for kMissing, else the path of the file found
  // or loaded.
  LibraryPath File;
  // kMissing: where the system looked, in its order, as one phrase.
  FixedText<1023> Places;
  int FileBits = 0;                  // kOtherBitness: 32 or 64
  bool IsFolder = false;             // kNotLoadable: a folder bears the name
  bool NeedsMissingLibrary = false;  // kNotLoadable: a library it needs is missing
  // The system's reason, when it gives one: "Windows error 193: <its
  // text>", or dlerror()'s text.
  FixedText<511> Reason;
  FixedText<63> Function;  // kFunctionMissing
};

using LibraryHandle = void*;
// Any function of a library; the caller casts it to the function's type.
using LibraryFunction = void (*)();

// Loads the shared library `file` for the rest of the process. A bare name
// is searched as the system searches for a library that a program imports,
// the program's own folder first; a path is loaded from there alone. Never
// opens a dialog. Returns null, with `fault` saying why, when the library
// cannot be loaded; `fault` is kNone otherwise.
LibraryHandle LoadSharedLibrary(const char* file, LibraryFault* fault);

// The function `name` of `library`. Returns null, with `fault` saying so
// (kFunctionMissing, naming the library's file), when it has none.
LibraryFunction SharedLibraryFunction(LibraryHandle library, const char* name,
                                      LibraryFault* fault);

}  // namespace fernwatch

#endif  // FERNWATCH_PLATFORM_LIBRARY_LOADER_H_
