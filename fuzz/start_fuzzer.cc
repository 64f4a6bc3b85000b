// The start of a run: the command line taken apart into the profile name
// and the argument text, the item, the profile name completed and located;
// then every question the run asks of the argument text. The input is the
// command line after the program's name, its arguments ended by zero
// bytes. No file is there to find, so every start ends with the error
// document for a missing profile or listing file (or for arguments it
// cannot take, a time budget among them) and exit status 2, before any
// remote call; an item in an argument text that fits makes it the listing
// file "Lodestar.Prf".
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

const char* const kStartFaults[] = {
    "Error 1001: Parameter for Profile-Name is missing !",
    "Error 1002: Profile ",
    "Error 1008: Parameters longer than 127 characters...",
    "Error 1051: ,TIMEOUT=",
    "Error 1024: ProFile Lodestar.Prf is missing...",
    "Error 10x1: ProFile SAP Lodestar.Gbl is missing...",
};

bool IsStartFault(const std::string& output) {
  for (const char* fault : kStartFaults)
    if (output.find(std::string("<Text>") + fault) != std::string::npos ||
        output.find(std::string("<text>") + fault) != std::string::npos)
      return true;
  return false;
}

// The argument text as typed, upper-cased, when the arguments give one.
std::string UpperArgumentText(const std::vector<std::string>& arguments) {
  std::string text = arguments.size() > 2 ? arguments[2] : "";
  if (arguments.size() > 3) text += " " + arguments[3];
  for (char& c : text) c = c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
  return text;
}

void ExpectStartFault(const std::vector<std::string>& arguments, const std::string& output) {
  FuzzExpect(IsErrorDocument(output), "a start without files prints the error document alone");
  FuzzExpect(IsStartFault(output), "a start without files ends on its arguments or files");
  std::string text = UpperArgumentText(arguments);
  // A time budget that is none ends the run before its listing is read.
  const bool bad_budget = output.find("Error 1051: ") != std::string::npos;
  if (text.size() <= ArgumentLine::kCapacity && text.find("ITEM=") != std::string::npos &&
      !bad_budget)
    FuzzExpect(output.find(" Lodestar.Prf is missing...") != std::string::npos,
               "an item makes a listing run");
}

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

  int status = RunProbe(static_cast<int>(arguments.size()), argv.data());
  FuzzExpect(status == 2, "a start without files ends with exit status 2");
  ExpectStartFault(arguments, run.env.output);
  AskKeywords();
  return 0;
}
