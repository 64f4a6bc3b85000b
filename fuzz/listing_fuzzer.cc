// The listing files of a listing run, "Lodestar.Prf" and the global sensor
// listing "SAP Lodestar.Gbl", and the listing run over what they list.
// The first byte chooses the file (bit 0: the global listing), a directory
// for it (bit 1), the progress lines (bit 2) and a front-end's form (bits 3
// and 4); then comes the argument text as typed, ended by a zero byte, and
// the rest is the file. The listed profiles are never there, so the run
// counts every system and contacts none.
#include <string>

#include "app/run_driver.h"
#include "argument_keywords.h"
#include "config/item_value.h"
#include "config/listing_file.h"
#include "fuzz/fuzz_support.h"
#include "support/front_end_named.h"

namespace fernwatch {
namespace {

const char* const kModes[] = {"EXEXML", "Quorvane", "Maltrex", "Brixtel"};

void LocateListing(unsigned char choice, const std::string& arguments) {
  g_run.BannerLine.assign("* 09:05:17 SAP Fernwatch Vers 4.3 / 29.08.22");
  g_run.ListingRun = true;
  g_run.ProfileName.assign(choice & 1 ? "SAP Lodestar.Gbl" : "Lodestar.Prf");
  g_run.ProfileDirectory.assign(choice & 2 ? "C:\\Sensors\\ExeXml\\" : "");
  g_run.ProfilePath.assign(g_run.ProfileDirectory);
  g_run.ProfilePath.append(g_run.ProfileName);
  g_run.ConsoleEcho = (choice & 4) != 0;
  g_run.OutputMode = &FrontEndNamed(kModes[(choice >> 3) & 3]);
  g_run.ParameterText.assign(arguments.c_str());
  g_run.TypedArgumentText.assign(arguments.c_str());
  g_run.ArgumentText.assign(arguments.c_str());
  g_run.ArgumentText.to_upper();
  const char* item = TypedItemValue();
  if (item != nullptr) g_run.ItemId = ItemValue(item);
}

// Entries up to each '#', and a last one without it.
size_t EntriesOf(const SystemListText& list) {
  size_t entries = 0;
  for (size_t i = 0; i < list.size(); ++i) entries += list[i] == '#';
  return entries + (!list.empty() && list[list.size() - 1] != '#');
}

void RunOverMissingProfiles(MemoryEnv& env) {
  const std::string summary =
      "NoSystems=" + std::to_string(EntriesOf(g_run.SystemList)) + ", Processed=0, Failed=0";
  env.files.clear();
  env.output.clear();
  std::unique_ptr<ResultWriter> writer = WriterFor(*g_run.OutputMode);
  FuzzExpect(RunListing(*writer) == 0, "a listing run ends with exit status 0");
  // The Maltrex report of one channel's bare value drops the summary.
  if (g_run.OutputMode->Form == DocumentForm::kMaltrex && SelectsChannel()) return;
  FuzzExpect(env.output.find(summary) != std::string::npos, "every listed system is counted");
}

}  // namespace
}  // namespace fernwatch

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace fernwatch;
  FuzzRun run;
  FuzzInput input(data, size);
  unsigned char choice = input.NextByte();
  std::string arguments = input.NextPart();
  g_run.SecondArgument = arguments.c_str();
  LocateListing(choice, arguments);
  run.env.files[g_run.ProfilePath.c_str()] = input.Rest();

  ListingFault fault = ReadSystemListing();
  FuzzExpect(ListingFaultMessage(fault).empty() == !fault.Failed(), "every fault has its message");
  if (!fault.Failed()) RunOverMissingProfiles(run.env);
  return 0;
}
