// The first stretch of every run: the banner, the command line taken apart
// into the profile name and the argument text, the keywords that decide the
// kind of run, the profile located, the flow selected.
#include <cstring>

#include "app/run_driver.h"
#include "app/run_faults.h"
#include "app/run_services.h"
#include "argument_keywords.h"
#include "config/item_value.h"
#include "config/listing_file.h"
#include "config/locate.h"
#include "run_state.h"

namespace fernwatch {
namespace {

const char kProgramName[] = "Fernwatch";
const char kVersionText[] = "Vers 4.3 / 29.08.22";

// The second and third argument joined by one blank: the argument text.
// Its length is what the run compares with the capacity of ArgumentText.
size_t JoinedLength(int argc, char** argv) {
  size_t length = argc > 2 ? std::strlen(argv[2]) : 0;
  if (argc > 3) length += 1 + std::strlen(argv[3]);
  return length;
}

// A text longer than ArgumentText holds is refused rather than cut: a cut
// keyword would turn the run into another one (a cut ITEM= polls a single
// system, a cut system number reaches another system).
void CheckArgumentTextFits(int argc, char** argv) {
  static_assert(ArgumentLine::kCapacity == 127, "the message names the capacity");
  if (JoinedLength(argc, argv) > ArgumentLine::kCapacity)
    ExitWithErrorDocument("Error 1008: Parameters longer than 127 characters...");
}

ArgumentLine JoinedArguments(int argc, char** argv) {
  ArgumentLine joined;
  if (argc > 2) joined.assign(argv[2]);
  if (argc > 3) {
    joined.append(" ");
    joined.append(argv[3]);
  }
  return joined;
}

void TakeArguments(int argc, char** argv) {
  g_run.ProfileName.assign(argv[1]);
  g_run.ArgumentText = JoinedArguments(argc, argv);
  g_run.SecondArgument = argc > 2 ? argv[2] : "";
  g_run.ParameterText = g_run.ArgumentText;
  g_run.TypedArgumentText = g_run.ArgumentText;
  g_run.ArgumentText.to_upper();
}

// A first argument longer than ProfileName holds is reported missing as
// given, rather than cut into the name of some other file. With an item
// the first argument plays no part.
void CheckProfileNameFits(const char* first_argument) {
  if (IsSet(g_run.ListingRun)) return;
  if (std::strlen(first_argument) > g_run.ProfileName.kCapacity)
    ExitOnFault(ProfileMissing(first_argument));
}

// An item turns the run into a listing run over "Lodestar.Prf"; its value
// is taken as typed.
void TakeItem() {
  const char* typed = TypedItemValue();
  if (typed == nullptr) return;
  g_run.ItemId = ItemValue(typed);
  g_run.ListingRun.assign("X");
  g_run.ProfileName.assign("Lodestar.Prf");
}

bool HasMarker() {
  const ArgumentLine& text = g_run.ArgumentText;
  return text.contains("#") || text.contains("@") || text.contains("$") || text.contains("%");
}

}  // namespace

void StartRun(int argc, char** argv) {
  g_run.BannerLine.format("* %s SAP %s %s", CurrentClockText().c_str(), kProgramName,
                          kVersionText);
  if (argc < 2 || argv[1] == nullptr)
    ExitWithErrorDocument("Error 1001: Parameter for Profile-Name is missing !");
  CheckArgumentTextFits(argc, argv);
  TakeArguments(argc, argv);
  TakeItem();
  CheckProfileNameFits(argv[1]);
  ExitOnFault(CompleteProfileName());
  g_run.Profile = SystemProfile();
  g_run.OutputMode.assign("EXEXML");
  g_run.ConsoleEcho.assign(HasMarker() ? "X" : "");
  ExitOnFault(LocateProfile());
  if (!IsSet(g_run.ListingRun)) RunSingleSystem();
  g_run.ProfileFile.reset();
  ExitOnFault(ReadSystemListing());
  RunListing();
}

}  // namespace fernwatch
