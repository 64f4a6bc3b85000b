// The error documents of an RFC library that cannot be used: each names
// the file, what is wrong with it, and what the operator does about it.
#include "rfc/rfc_functions.h"

namespace fernwatch {
namespace {

// The zips are named after the bitness of the library they go with.
const char kPackageVersion[] = FERNWATCH_PACKAGE_VERSION;

const char* NameOf(const LibraryPath& file) {
  const char* name = file.c_str();
  for (const char* at = name; *at != '\0'; ++at)
    if (*at == '\\' || *at == '/') name = at + 1;
  return name;
}

// " (<reason>)" when the system gave one.
void AppendReason(const LibraryFault& fault, FaultMessage* message) {
  if (fault.Reason.empty()) return;
  message->append(" (");
  message->append(fault.Reason);
  message->append(")");
}

FaultMessage MissingMessage(const LibraryFault& fault, const char* name) {
  FaultMessage message;
  message.format("%s%s is missing: looked in %s", "Error 1041: RFC library ", name,
                 fault.Places.c_str());
  AppendReason(fault, &message);
  message.append(". Put the vendor's ");
  message.append(name);
  message.append(" beside the program");
  return message;
}

FaultMessage OtherBitnessMessage(const LibraryFault& fault, const char* name) {
  FaultMessage message;
  message.format("%s%s is %d-bit but this program is %d-bit: take fernwatch-%s-win%d.zip, or the "
                 "%d-bit %s",
                 "Error 1042: RFC library ", fault.File.c_str(), fault.FileBits, kProgramBits,
                 kPackageVersion, fault.FileBits, kProgramBits, name);
  return message;
}

FaultMessage NotLoadableMessage(const LibraryFault& fault, const char* name) {
  FaultMessage message;
  message.format("%s%s does not load", "Error 1043: RFC library ", fault.File.c_str());
  AppendReason(fault, &message);
  if (fault.IsFolder) {
    message.append(": it is a folder. Put the vendor's ");
    message.append(name);
    message.append(" in its place");
  } else if (fault.NeedsMissingLibrary) {
    message.append(": a DLL that it needs is missing. Install what the vendor's library needs");
  } else {
    message.append(". Replace it by a sound copy of the vendor's ");
    message.append(name);
  }
  return message;
}

FaultMessage FunctionMissingMessage(const LibraryFault& fault, const char* name) {
  FaultMessage message;
  message.format("%s%s has no function %s", "Error 1044: RFC library ", fault.File.c_str(),
                 fault.Function.c_str());
  AppendReason(fault, &message);
  message.append(": it is not the classic RFC library that Fernwatch needs. Put the vendor's "
                 "classic ANSI ");
  message.append(name);
  message.append(" there");
  return message;
}

}  // namespace

FaultMessage RfcLibraryFaultMessage(const LibraryFault& fault) {
  const char* name = NameOf(fault.File);
  switch (fault.Kind) {
    case LibraryFaultKind::kNone:
      break;
    case LibraryFaultKind::kMissing:
      return MissingMessage(fault, name);
    case LibraryFaultKind::kOtherBitness:
      return OtherBitnessMessage(fault, name);
    case LibraryFaultKind::kNotLoadable:
      return NotLoadableMessage(fault, name);
    case LibraryFaultKind::kFunctionMissing:
      return FunctionMissingMessage(fault, name);
  }
  return FaultMessage();
}

}  // namespace fernwatch
