#include "run_state.h"

namespace fernwatch {

RunState g_run;

void ResetRunState() { g_run = RunState(); }

}  // namespace fernwatch
