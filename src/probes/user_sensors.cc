#include "probes/probes.h"

namespace fernwatch {

int ProbeCpu(RFC_HANDLE handle) { return 1; }
int ProbeSystemInfo(RFC_HANDLE handle) { return 1; }
int EvaluateUserSensors(RFC_HANDLE handle) { return 1; }

}  // namespace fernwatch
