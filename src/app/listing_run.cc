// A listing run: one item examined on every system of the SystemList. A
// failing system never ends the run; each is counted, and the document
// ends with the summary.
#include <cinttypes>

#include "app/run_driver.h"
#include "app/run_services.h"
#include "config/config_path.h"
#include "config/profile_reader.h"
#include "output/result_document.h"
#include "probes/probes.h"
#include "rfc/connection.h"
#include "run_state.h"

namespace fernwatch {
namespace {

// The next entry of the SystemList, up to its '#'. A last entry without
// its '#' is taken all the same, so that no listed system is dropped.
SystemListText TakeNextEntry() {
  SystemListText& list = g_run.SystemList;
  size_t end = list.find_char('#');
  SystemListText entry(list.c_str());
  entry.truncate(end);
  list.drop_front(end == list.npos ? list.size() : end + 1);
  return entry;
}

// Opens the profile of `entry`. A name longer than ProfileName holds opens
// nothing rather than a cut, and so different, file; the directory and the
// name are joined whole for the open, while ProfilePath keeps the text cut
// at its capacity.
std::unique_ptr<InputFile> OpenListedProfile(const SystemListText& entry) {
  g_run.ProfileName.assign(entry);
  g_run.SystemLabel.assign(g_run.ProfileName);
  ConfigPath path = JoinPath(g_run.ProfileDirectory.c_str(), g_run.ProfileName.c_str());
  g_run.ProfilePath.assign(path);
  if (entry.size() > g_run.ProfileName.kCapacity) return nullptr;
  return OpenConfigFile(path.c_str());
}

void ChooseSystemLabel() {
  const char kind = g_run.LabelKind[0];
  SystemLabelText& label = g_run.SystemLabel;
  if (kind == '1') label.assign(g_run.ProfileName);
  if (kind == '2') {
    label.assign(g_run.ProfileName);
    label.truncate(g_run.ProfileName.size() > 4 ? g_run.ProfileName.size() - 4 : 0);
  }
  if (kind == '3') label.assign(g_run.Profile.Hostname);
  if (kind == '4') label.assign(g_run.Profile.Destination);
}

void ProbeAndEvaluate() {
  g_run.RfcSession = OpenConnection();
  if (g_run.RfcSession == 0) g_run.SystemFailed.assign("X");
  if (!IsSet(g_run.SystemFailed) && !TakeOutcome(ProbeCpu(g_run.RfcSession)))
    g_run.SystemFailed.assign("X");
  if (!IsSet(g_run.SystemFailed)) {
    PrepareEvaluation();
    if (!TakeOutcome(EvaluateUserSensors(g_run.RfcSession))) g_run.SystemFailed.assign("X");
  }
  if (g_run.RfcSession != 0) {
    RfcClose(g_run.RfcSession);
    g_run.RfcSession = 0;
  }
}

void CountAndReport() {
  bool healthy = !IsSet(g_run.SystemFailed) && g_run.RunStatus.equals("OK");
  if (healthy && IsSet(g_run.SensorFound)) ++g_run.ProcessedCount;
  else ++g_run.FailedCount;

  g_run.SystemState.assign(IsSet(g_run.SensorFound) ? "Processed" : "Not Found");
  if (!healthy) g_run.SystemState.assign("Rfc Failure");
  if (!IsSet(g_run.ConsoleEcho)) return;
  Print("\n");
  Print(g_run.BannerLine.c_str());
  Print(" State=");
  Print(g_run.SystemState.c_str());
  Print("\n");
}

void ProcessNextSystem() {
  g_run.SensorFound.assign(".");
  ++g_run.SystemCount;
  std::unique_ptr<InputFile> profile = OpenListedProfile(TakeNextEntry());
  if (!profile) return;
  g_run.SystemFailed.assign(".");
  if (ReadSystemProfile(std::move(profile), ProfileForm::kListing) != ProfileFault::kNone)
    g_run.SystemFailed.assign("X");
  ChooseSystemLabel();
  if (IsSet(g_run.ConsoleEcho)) g_run.BannerLine = SystemLine(CurrentClockText().c_str());
  RegisterRfcEnvironment();
  EmptyDocument();
  // Healthy only once its probes say so.
  g_run.RunStatus.assign("ERR");
  ProbeAndEvaluate();
  CountAndReport();
}

// From here on the keywords of the listing's parameter text act as the
// run's arguments.
void AdoptParameterText() {
  g_run.ArgumentText.assign(g_run.ParameterText);
  g_run.TypedArgumentText.assign(g_run.ParameterText);
  g_run.ArgumentText.to_upper();
}

void PrintOpening() {
  if (IsSet(g_run.ConsoleEcho)) {
    Print(g_run.BannerLine.c_str());
    Print("\n");
  }
  g_run.StartTime.assign(g_run.BannerLine.c_str() + 2, 8);
  g_run.ParameterText.replace_all(':', ' ');
  g_run.ParameterText.truncate(g_run.ParameterText.find(" @"));
  if (IsSet(g_run.ConsoleEcho)) {
    FixedText<255> executing;
    executing.format("* %s %s State=Executing\n", g_run.StartTime.c_str(),
                     g_run.ParameterText.c_str());
    Print(executing.c_str());
  }
  BeginDocument();
  PrintDocumentLine();
}

void PrintSummary() {
  BeginText();
  FixedText<255> summary;
  summary.format("(***) %s: NoSystems=%" PRIu32 ", Processed=%" PRIu32 ", Failed=%" PRIu32,
                 g_run.ItemId.c_str(), g_run.SystemCount, g_run.ProcessedCount,
                 g_run.FailedCount);
  AppendStatusText(summary.c_str());
  EndText();
  EndDocument();
  PrintDocumentLine();
}

}  // namespace

void RunListing() {
  AdoptParameterText();
  PrintOpening();
  while (!g_run.SystemList.empty()) ProcessNextSystem();
  PrintSummary();
  if (IsSet(g_run.ConsoleEcho)) PrintNowProcessed();
  EndProcess(0);
}

}  // namespace fernwatch
