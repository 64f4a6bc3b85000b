// The two reachability calls, with the buffers their parameters fill.
#ifndef FERNWATCH_PROBES_REMOTE_CALLS_H_
#define FERNWATCH_PROBES_REMOTE_CALLS_H_

#include <cstdint>

#include "rfc/rfc_library.h"

namespace fernwatch {

// GET_CPU_ALL: the local server, no logical destination; what it returns
// is received but not evaluated.
struct CpuAllParameters {
  char local_remote[6];
  char logical_destination[32];
  int32_t active_flag;
  int32_t details_coll;
  int32_t details_mode;
  int32_t details_reqi;
  char f_cpu_all_read[3];
  int32_t interval;
  int32_t last_coll_int;
  char last_coll_wrt[25];
  int32_t norm_coll_int;
  char op_system[52];
};

// Rows of TF_CPU_ALL.
constexpr unsigned kCpuRowLength = 48;

// Installs CPU_ALL unless it is already; false when the library refuses it.
bool InstallCpuAll();

// Calls GET_CPU_ALL (CPU_ALL installed) with its rows in `table` and
// returns the return code; on 2 and 3 the exception name is in
// `exception` (kExceptionNameSize bytes).
int CallGetCpuAll(RFC_HANDLE handle, CpuAllParameters* parameters, ITAB_H table, char* exception);

// RFC_SYSTEM_INFO: received, not evaluated.
struct SystemInfoParameters {
  int32_t current_resources;
  char dialog_user_type[1];
  int32_t maximal_resources;
  int32_t recommended_delay;
  char rfcsi_export[200];
  char rfc_login_complete[1];
};

// Installs RFCSI unless it is already; false when the library refuses it.
bool InstallSystemInfo();

// Calls RFC_SYSTEM_INFO (RFCSI installed) and returns the return code; on
// 2 and 3 the exception name is in `exception`.
int CallSystemInfo(RFC_HANDLE handle, SystemInfoParameters* parameters, char* exception);

}  // namespace fernwatch

#endif  // FERNWATCH_PROBES_REMOTE_CALLS_H_
