#include "run_state.h"

namespace fernwatch {

RunState g_run;

void ResetRunState() { g_run = RunState(); }

int BudgetLeftMilliseconds(int otherwise) {
  if (g_run.TimeoutSeconds <= 0) return otherwise;
  int64_t left = static_cast<int64_t>(g_run.TimeoutSeconds) * 1000 -
                 CurrentEnv().ProcessMilliseconds();
  if (left < 0) return 0;
  return left < otherwise ? static_cast<int>(left) : otherwise;
}

}  // namespace fernwatch
