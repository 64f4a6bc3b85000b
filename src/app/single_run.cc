#include "app/run_driver.h"
#include "app/run_state.h"

namespace fernwatch {

void RunSingleSystem() { EndProcess(0); }

}  // namespace fernwatch
