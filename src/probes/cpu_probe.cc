// The first check of a fresh connection: GET_CPU_ALL answers, and its rows
// can be read. The figures themselves are not evaluated.
#include <cstring>

#include "probes/call_lists.h"
#include "probes/probes.h"
#include "probes/remote_calls.h"
#include "rfc/rfc_functions.h"

namespace fernwatch {
namespace {

// Every row is fetched, the count asked anew before each, so a table the
// library cannot hand out is found here rather than later. False when a
// row is refused.
bool FetchCpuRows(ITAB_H table) {
  for (unsigned row = 1; row != 0 && row <= RfcLibrary().ItFill(table); ++row)
    if (RfcLibrary().ItGetLine(table, row) == nullptr) return false;
  return true;
}

}  // namespace

bool InstallCpuAll() {
  static RFC_TYPE_ELEMENT elements[] = {
      {LibraryName("TYPE"), TYPINT2, 2, 0, 0},      {LibraryName("SUBTYPE"), TYPINT2, 2, 0, 0},
      {LibraryName("SERIALNR"), TYPINT2, 2, 0, 0},  {LibraryName("NBR_CPU"), TYPINT, 4, 0, 0},
      {LibraryName("LOAD1_AVG"), TYPINT, 4, 0, 0},  {LibraryName("LOAD5_AVG"), TYPINT, 4, 0, 0},
      {LibraryName("LOAD15_AVG"), TYPINT, 4, 0, 0}, {LibraryName("INT_SEC"), TYPINT, 4, 0, 0},
      {LibraryName("SYSC_SEC"), TYPINT, 4, 0, 0},   {LibraryName("CS_SEC"), TYPINT, 4, 0, 0},
      {LibraryName("USR_TOTAL"), TYPINT, 4, 0, 0},  {LibraryName("SYS_TOTAL"), TYPINT, 4, 0, 0},
      {LibraryName("IDLE_TOTAL"), TYPINT, 4, 0, 0},
  };
  return InstallStructureOnce("CPU_ALL", elements, sizeof elements / sizeof elements[0],
                              &Structures().CpuAll);
}

int CallGetCpuAll(RFC_HANDLE handle, CpuAllParameters* p, ITAB_H table, char* exception) {
  RFC_PARAMETER exporting[] = {
      CallParameter("LOCAL_REMOTE", TYPC, sizeof p->local_remote, p->local_remote),
      CallParameter("LOGICAL_DESTINATION", TYPC, sizeof p->logical_destination,
                    p->logical_destination),
      EndOfParameters(),
  };
  RFC_TABLE tables[] = {
      CallTable("TF_CPU_ALL", Structures().CpuAll, kCpuRowLength, table),
      EndOfTables(),
  };
  int rc = CallFunctionModule(handle, "GET_CPU_ALL", exporting, tables);
  if (rc != RFC_OK) return rc;

  RFC_PARAMETER importing[] = {
      CallParameter("ACTIVEFLAG", TYPINT, 4, &p->active_flag),
      CallParameter("DETAILSCOLL", TYPINT, 4, &p->details_coll),
      CallParameter("DETAILSMODE", TYPINT, 4, &p->details_mode),
      CallParameter("DETAILSREQI", TYPINT, 4, &p->details_reqi),
      CallParameter("F_CPU_ALL_READ", TYPC, sizeof p->f_cpu_all_read, p->f_cpu_all_read),
      CallParameter("INTERVAL", TYPINT, 4, &p->interval),
      CallParameter("LASTCOLLINT", TYPINT, 4, &p->last_coll_int),
      CallParameter("LASTCOLLWRT", TYPC, sizeof p->last_coll_wrt, p->last_coll_wrt),
      CallParameter("NORMCOLLINT", TYPINT, 4, &p->norm_coll_int),
      CallParameter("OP_SYSTEM", TYPC, sizeof p->op_system, p->op_system),
      EndOfParameters(),
  };
  rc = ReceiveResult(handle, importing, tables, exception);
  return rc;
}

ProbeOutcome ProbeCpu(RFC_HANDLE handle) {
  CpuAllParameters parameters;
  std::memset(&parameters, 0, sizeof parameters);
  std::memcpy(parameters.local_remote, "LOCAL ", sizeof parameters.local_remote);
  std::memset(parameters.logical_destination, ' ', sizeof parameters.logical_destination);
  char exception[kExceptionNameSize] = "";

  ITAB_H table = RfcLibrary().ItCreate(LibraryName("TF_CPU_ALL"), kCpuRowLength, 0, 0);
  if (table == nullptr) return ProbeOutcome::Refused("ItCreate TF_CPU_ALL");
  if (!InstallCpuAll()) return ProbeOutcome::Refused("RfcInstallStructure");

  ProbeOutcome outcome;
  outcome.ReturnCode = CallGetCpuAll(handle, &parameters, table, exception);
  outcome.Succeeded = outcome.ReturnCode == RFC_OK;
  if (!outcome.Succeeded) outcome.Error = RemoteCallError(outcome.ReturnCode, exception);
  if (outcome.Succeeded && !FetchCpuRows(table)) return ProbeOutcome::Refused("ItGetLine TF_CPU_ALL");

  if (RfcLibrary().ItDelete(table) != 0) return ProbeOutcome::Refused("ItDelete TF_CPU_ALL");
  return outcome;
}

}  // namespace fernwatch
