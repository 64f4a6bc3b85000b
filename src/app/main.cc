#include "app/run_driver.h"
#include "platform/env.h"
#include "run_state.h"

// The one exit of a run: the flows return their status here.
int main(int argc, char** argv) {
  fernwatch::g_run.ProgramPath = argc > 0 && argv[0] != nullptr ? argv[0] : "";
  fernwatch::EndProcess(fernwatch::RunProbe(argc, argv));
}
