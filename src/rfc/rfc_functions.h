// The RFC library as the program reaches it: loaded while the program
// runs, its twelve functions taken into a table that every call goes
// through. Windows cannot refuse to start a program that imports nothing
// from the library, so whatever is wrong with the installed library
// becomes an error document that names it.
#ifndef FERNWATCH_RFC_RFC_FUNCTIONS_H_
#define FERNWATCH_RFC_RFC_FUNCTIONS_H_

#include "config/config_fault.h"
#include "platform/library_loader.h"
#include "rfc/rfc_library.h"

namespace fernwatch {

// The library's functions, of the shapes its interface header declares.
struct RfcFunctions {
  decltype(&::RfcEnvironment) RfcEnvironment;
  decltype(&::RfcOpen) RfcOpen;
  decltype(&::RfcOpenEx) RfcOpenEx;
  decltype(&::RfcInstallStructure) RfcInstallStructure;
  decltype(&::RfcCall) RfcCall;
  decltype(&::RfcReceive) RfcReceive;
  decltype(&::RfcLastError) RfcLastError;
  decltype(&::RfcClose) RfcClose;
  decltype(&::ItCreate) ItCreate;
  decltype(&::ItFill) ItFill;
  decltype(&::ItGetLine) ItGetLine;
  decltype(&::ItDelete) ItDelete;
};

// The library's file, searched as the system searches for a library that
// the program imports.
#if defined(_WIN32)
inline constexpr char kRfcLibraryFile[] = "librfc32.dll";
#else
inline constexpr char kRfcLibraryFile[] = "librfc32.so";
#endif

// Loads the RFC library `file` (a bare name or a path) and takes its
// twelve functions by their plain names into the RFC layer's table. Done
// once per process: once the table is filled, a call returns at once.
// Prints nothing. Returns the fault that leaves the table empty, kNone
// when it is filled.
LibraryFault LoadRfcLibrary(const char* file = kRfcLibraryFile);

// The text of the error document for `fault`, naming the file and what to
// do (Error 1041 to 1044); empty for none.
FaultMessage RfcLibraryFaultMessage(const LibraryFault& fault);

// The functions of the loaded library. Only after LoadRfcLibrary returned
// kNone: before, every entry is null.
const RfcFunctions& RfcLibrary();

}  // namespace fernwatch

#endif  // FERNWATCH_RFC_RFC_FUNCTIONS_H_
