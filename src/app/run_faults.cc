#include "app/run_faults.h"

#include "output/result_document.h"
#include "platform/env.h"
#include "run_state.h"

namespace fernwatch {

void ExitWithErrorDocument(const char* message) {
  SetErrorDocument(message);
  PrintDocument();
  EndProcess(2);
}

void ExitOnFault(const LocateFault& fault) {
  if (fault.Failed()) ExitWithErrorDocument(LocateFaultMessage(fault).c_str());
}

void ExitOnFault(const ListingFault& fault) {
  if (fault.Failed()) ExitWithErrorDocument(ListingFaultMessage(fault).c_str());
}

void ExitOnFault(ProfileFault fault) {
  if (fault != ProfileFault::kNone)
    ExitWithErrorDocument(ProfileFaultMessage(fault, g_run.ProfileName.c_str()).c_str());
}

}  // namespace fernwatch
