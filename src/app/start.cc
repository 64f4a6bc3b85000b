// The first stretch of every run: the banner, the command line taken apart
// into the profile name and the argument text, the keywords that decide the
// kind of run, the profile located, the flow selected.
#include <cstring>

#include "app/run_driver.h"
#include "app/run_services.h"
#include "app/run_state.h"
#include "config/item_value.h"
#include "config/listing_file.h"
#include "config/locate.h"
#include "output/result_document.h"

namespace fernwatch {
namespace {

const char kProgramName[] = "Fernwatch";
const char kVersionText[] = "Vers 4.3 / 29.08.22";

// A first argument longer than ProfileName holds is reported missing as
// given, rather than cut into the name of some other file.
void TakeArguments(int argc, char** argv) {
  if (std::strlen(argv[1]) > g_run.ProfileName.kCapacity) FailProfileMissing(argv[1]);
  g_run.ProfileName.assign(argv[1]);
  if (argc > 2) g_run.ArgumentText.assign(argv[2]);
  if (argc > 3) {
    g_run.ArgumentText.append(" ");
    g_run.ArgumentText.append(argv[3]);
  }
  g_run.SecondArgument = argc > 2 ? argv[2] : "";
  g_run.ParameterText = g_run.ArgumentText;
  g_run.TypedArgumentText = g_run.ArgumentText;
  g_run.ArgumentText.to_upper();
}

// ITEM= turns the run into a listing run over "Lodestar.Prf"; the value is
// taken as typed.
void TakeItem() {
  size_t at = g_run.ArgumentText.find("ITEM=");
  if (at == g_run.ArgumentText.npos) return;
  g_run.ItemId = ItemValue(g_run.ParameterText.c_str() + at + 5);
  g_run.ListingRun.assign("X");
  g_run.ProfileName.assign("Lodestar.Prf");
}

bool HasMarker() {
  const FixedText<127>& text = g_run.ArgumentText;
  return text.contains("#") || text.contains("@") || text.contains("$") || text.contains("%");
}

}  // namespace

void StartRun(int argc, char** argv) {
  g_run.BannerLine.format("* %s SAP %s %s", CurrentClockText().c_str(), kProgramName,
                          kVersionText);
  if (argc < 2 || argv[1] == nullptr)
    FailWithErrorDocument("Error 1001: Parameter for Profile-Name is missing !");
  TakeArguments(argc, argv);
  TakeItem();
  CompleteProfileName();
  g_run.Profile = SystemProfile();
  g_run.OutputMode.assign("EXEXML");
  g_run.ConsoleEcho.assign(HasMarker() ? "X" : "");
  LocateProfile();
  if (!g_run.ListingRun.equals("X")) RunSingleSystem();
  g_run.ProfileFile.reset();
  ReadSystemListing();
  RunListing();
}

}  // namespace fernwatch
