// The first stretch of every run: the banner, the command line taken apart
// into the profile name and the argument text, the keywords that decide the
// kind of run, the profile located, the flow selected.
#include <cstring>

#include "app/run_driver.h"
#include "app/run_faults.h"
#include "app/run_services.h"
#include "app/time_budget.h"
#include "argument_keywords.h"
#include "config/item_value.h"
#include "config/listing_file.h"
#include "config/locate.h"
#include "output/result_writer.h"
#include "rfc/rfc_functions.h"
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
bool ArgumentTextFits(int argc, char** argv) {
  return JoinedLength(argc, argv) <= ArgumentLine::kCapacity;
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
bool ProfileNameFits(const char* first_argument) {
  return g_run.ListingRun || std::strlen(first_argument) <= g_run.ProfileName.kCapacity;
}

// An item turns the run into a listing run over "Lodestar.Prf"; its value
// is taken as typed.
void TakeItem() {
  const char* typed = TypedItemValue();
  if (typed == nullptr) return;
  g_run.ItemId = ItemValue(typed);
  g_run.ListingRun = true;
  g_run.ProfileName.assign("Lodestar.Prf");
}

bool HasMarker() {
  const ArgumentLine& text = g_run.ArgumentText;
  return text.contains("#") || text.contains("@") || text.contains("$") || text.contains("%");
}

// The first stretch of every run, up to the located profile. Returns the
// message of the fault that ends the run there, empty when it goes on.
FaultMessage Start(int argc, char** argv) {
  g_run.BannerLine.format("* %s SAP %s %s", CurrentClockText().c_str(), kProgramName,
                          kVersionText);
  if (argc < 2 || argv[1] == nullptr)
    return FaultMessage("Error 1001: Parameter for Profile-Name is missing !");
  static_assert(ArgumentLine::kCapacity == 127, "the message names the capacity");
  if (!ArgumentTextFits(argc, argv))
    return FaultMessage("Error 1008: Parameters longer than 127 characters...");
  TakeArguments(argc, argv);
  TakeItem();
  if (!ProfileNameFits(argv[1])) return LocateFaultMessage(ProfileMissing(argv[1]));
  LocateFault fault = CompleteProfileName();
  if (fault.Failed()) return LocateFaultMessage(fault);
  g_run.Profile = SystemProfile();
  g_run.OutputMode = &PrtgSensor();
  g_run.ConsoleEcho = HasMarker();
  return LocateFaultMessage(LocateProfile());
}

// Whether `text` asks for the PRTG-native form that the front-end can
// read: the text forms have none.
bool ChoosesNativeForm(const ArgumentLine& text) {
  return AsksForNativeForm(text) && g_run.OutputMode->Form == DocumentForm::kPrtgXml;
}

// The located run in the flow it asks for. The time budget and the form
// are the command line's or else, in a listing run, those of the listing's
// parameters; nothing is printed before the writer of that form is chosen.
int RunFlow(const FaultMessage& start_fault, std::unique_ptr<ResultWriter>* writer) {
  if (!start_fault.empty()) return EndWithErrorDocument(**writer, start_fault.c_str());
  FaultMessage fault = ReadTimeout(g_run.TypedArgumentText, &g_run.TimeoutSeconds);
  if (!fault.empty()) return EndWithErrorDocument(**writer, fault.c_str());
  if (!g_run.ListingRun) return RunSingleSystem(**writer);
  g_run.ProfileFile.reset();
  fault = ListingFaultMessage(ReadSystemListing());
  if (fault.empty() && !g_run.NativeForm && ChoosesNativeForm(g_run.ParameterText)) {
    g_run.NativeForm = true;
    *writer = WriterFor(*g_run.OutputMode, true);
  }
  if (fault.empty() && g_run.TimeoutSeconds == 0)
    fault = ReadTimeout(g_run.ParameterText, &g_run.TimeoutSeconds);
  if (!fault.empty()) return EndWithErrorDocument(**writer, fault.c_str());
  // Loaded before the document opens, a library that fails ends the run
  // with an error document of its own rather than inside an open one.
  fault = RfcLibraryFaultMessage(LoadRfcLibrary());
  if (!fault.empty()) return EndWithErrorDocument(**writer, fault.c_str());
  return RunListing(**writer);
}

}  // namespace

int RunProbe(int argc, char** argv) {
  FaultMessage fault = Start(argc, argv);
  // The writer is that of the front-end located, or PRTG's before one is.
  g_run.NativeForm = ChoosesNativeForm(g_run.ArgumentText);
  std::unique_ptr<ResultWriter> writer = WriterFor(*g_run.OutputMode, g_run.NativeForm);
  int status = RunFlow(fault, &writer);
  // A document the caller did not get is no success.
  if (!writer->Flush() && status == 0) return kErrorDocumentStatus;
  return status;
}

}  // namespace fernwatch
