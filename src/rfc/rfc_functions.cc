// The RFC library loaded at the first need and its functions taken by
// their plain names, as the vendor's DLL exports them in both bitnesses.
#include "rfc/rfc_functions.h"

#include "rfc/rfc_state.h"

namespace fernwatch {
namespace {

template <typename Function>
bool Take(LibraryHandle library, const char* name, Function* entry, LibraryFault* fault) {
  LibraryFunction found = SharedLibraryFunction(library, name, fault);
  *entry = reinterpret_cast<Function>(found);
  return found != nullptr;
}

// All twelve, or the fault of the first that is missing.
bool TakeFunctions(LibraryHandle library, RfcFunctions* table, LibraryFault* fault) {
  return Take(library, "RfcEnvironment", &table->RfcEnvironment, fault) &&
         Take(library, "RfcOpen", &table->RfcOpen, fault) &&
         Take(library, "RfcOpenEx", &table->RfcOpenEx, fault) &&
         Take(library, "RfcInstallStructure", &table->RfcInstallStructure, fault) &&
         Take(library, "RfcCall", &table->RfcCall, fault) &&
         Take(library, "RfcReceive", &table->RfcReceive, fault) &&
         Take(library, "RfcLastError", &table->RfcLastError, fault) &&
         Take(library, "RfcClose", &table->RfcClose, fault) &&
         Take(library, "ItCreate", &table->ItCreate, fault) &&
         Take(library, "ItFill", &table->ItFill, fault) &&
         Take(library, "ItGetLine", &table->ItGetLine, fault) &&
         Take(library, "ItDelete", &table->ItDelete, fault);
}

}  // namespace

LibraryFault LoadRfcLibrary(const char* file) {
  RfcLayerState& state = RfcState();
  LibraryFault fault;
  if (state.LibraryLoaded) return fault;
  LibraryHandle library = LoadSharedLibrary(file, &fault);
  if (library == nullptr) return fault;
  // A table missing a function never serves: it is filled whole or not at all.
  RfcFunctions table = {};
  if (!TakeFunctions(library, &table, &fault)) return fault;
  state.Library = table;
  state.LibraryLoaded = true;
  return fault;
}

const RfcFunctions& RfcLibrary() { return RfcState().Library; }

}  // namespace fernwatch
