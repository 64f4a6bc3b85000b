// The second check of a single system's connection: RFC_SYSTEM_INFO
// answers. The record it returns is not evaluated.
#include <cstring>

#include "probes/call_lists.h"
#include "probes/probes.h"
#include "probes/remote_calls.h"

namespace fernwatch {
namespace {

RFC_TYPE_ELEMENT SystemInfoElement(const char* name, unsigned length) {
  return RFC_TYPE_ELEMENT{LibraryName(name), TYPC, length, 0, 0};
}

}  // namespace

bool InstallSystemInfo() {
  static RFC_TYPE_ELEMENT elements[] = {
      SystemInfoElement("RFCPROTO", 3),   SystemInfoElement("RFCCHARTYP", 4),
      SystemInfoElement("RFCINTTYP", 3),  SystemInfoElement("RFCFLOTYP", 3),
      SystemInfoElement("RFCDEST", 32),   SystemInfoElement("RFCHOST", 8),
      SystemInfoElement("RFCSYSID", 8),   SystemInfoElement("RFCDATABS", 8),
      SystemInfoElement("RFCDBHOST", 32), SystemInfoElement("RFCDBSYS", 10),
      SystemInfoElement("RFCSAPRL", 4),   SystemInfoElement("RFCMACH", 5),
      SystemInfoElement("RFCOPSYS", 10),  SystemInfoElement("RFCTZONE", 6),
      SystemInfoElement("RFCDAYST", 1),   SystemInfoElement("RFCIPADDR", 15),
      SystemInfoElement("RFCKERNRL", 4),  SystemInfoElement("RFCSI_RESV", 44),
  };
  return InstallStructureOnce("RFCSI", elements, sizeof elements / sizeof elements[0],
                              &Structures().Rfcsi);
}

int CallSystemInfo(RFC_HANDLE handle, SystemInfoParameters* p, char* exception) {
  RFC_PARAMETER no_parameters[] = {EndOfParameters()};
  RFC_TABLE no_tables[] = {EndOfTables()};
  int rc = CallFunctionModule(handle, "RFC_SYSTEM_INFO", no_parameters, no_tables);
  if (rc != RFC_OK) return rc;

  RFC_PARAMETER importing[] = {
      CallParameter("CURRENT_RESOURCES", TYPINT, 4, &p->current_resources),
      CallParameter("DIALOG_USER_TYPE", TYPC, sizeof p->dialog_user_type, p->dialog_user_type),
      CallParameter("MAXIMAL_RESOURCES", TYPINT, 4, &p->maximal_resources),
      CallParameter("RECOMMENDED_DELAY", TYPINT, 4, &p->recommended_delay),
      CallParameter("RFCSI_EXPORT", Structures().Rfcsi, sizeof p->rfcsi_export,
                    p->rfcsi_export),
      CallParameter("RFC_LOGIN_COMPLETE", TYPC, sizeof p->rfc_login_complete,
                    p->rfc_login_complete),
      EndOfParameters(),
  };
  rc = ReceiveResult(handle, importing, no_tables, exception);
  return rc;
}

ProbeOutcome ProbeSystemInfo(RFC_HANDLE handle) {
  SystemInfoParameters parameters;
  std::memset(&parameters, 0, sizeof parameters);
  char exception[kExceptionNameSize] = "";
  if (!InstallSystemInfo()) return ProbeOutcome::Refused("RfcInstallStructure");
  ProbeOutcome outcome;
  outcome.ReturnCode = CallSystemInfo(handle, &parameters, exception);
  outcome.Succeeded = outcome.ReturnCode == RFC_OK;
  if (!outcome.Succeeded) outcome.Error = RemoteCallError(outcome.ReturnCode, exception);
  return outcome;
}

}  // namespace fernwatch
