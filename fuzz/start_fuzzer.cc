// The start of a run: the command line taken apart into the profile name
// and the argument text, the item, the profile name completed and located;
// then every question the run asks of the argument text. The input is the
// command line after the program's name, its arguments ended by zero
// bytes. No file is there to find, so every start ends with an error
// document and exit status 2 before any remote call.
#include <string>
#include <vector>

#include "app/run_driver.h"
#include "argument_keywords.h"
#include "fuzz/fuzz_support.h"
#include "probes/sensor_row.h"
#include "rfc/connection_records.h"

namespace fernwatch {
namespace {

constexpr size_t kMostArguments = 4;  // a fourth is ignored, and so is any later

void AskKeywords() {
  TypedItemValue();
  AsksForSensorOverview();
  AsksForStates();
  AsksForTrace();
  SelectsChannel();
  SelectedChannel();
  ArgumentLine value;
  if (HostOverride(&value)) FuzzExpect(value.find_char(' ') == value.npos, "host override is one word");
  if (SysnrOverride(&value)) FuzzExpect(value.find_char(',') == value.npos, "system number is one word");
  SensorWordOf(g_run.ArgumentText.c_str());
  FillConnectionRecords();
}

}  // namespace
}  // namespace fernwatch

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace fernwatch;
  FuzzRun run;
  FuzzInput input(data, size);
  std::vector<std::string> arguments = {"fernwatch"};
  while (!input.empty() && arguments.size() <= kMostArguments) arguments.push_back(input.NextPart());
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(&argument[0]);
  argv.push_back(nullptr);

  int status = ExitStatusOf([&] { StartRun(static_cast<int>(arguments.size()), argv.data()); });
  FuzzExpect(status == 2, "a start without files ends with exit status 2");
  FuzzExpect(IsErrorDocument(run.env.output), "a start without files prints the error document alone");
  AskKeywords();
  return 0;
}
