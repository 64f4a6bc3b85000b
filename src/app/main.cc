#include "app/run_driver.h"
#include "run_state.h"

int main(int argc, char** argv) {
  fernwatch::g_run.ProgramPath = argc > 0 && argv[0] != nullptr ? argv[0] : "";
  fernwatch::StartRun(argc, argv);
}
