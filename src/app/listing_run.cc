// A listing run: one item examined on every system of the SystemList. A
// failing system never ends the run; each is counted, and the document
// ends with the summary.
#include <cinttypes>
#include <string>

#include "app/run_driver.h"
#include "app/run_faults.h"
#include "app/run_services.h"
#include "app/time_budget.h"
#include "config/config_path.h"
#include "config/profile_reader.h"
#include "probes/probes.h"
#include "rfc/connection.h"
#include "run_state.h"

namespace fernwatch {
namespace {

// The systems taken from the list, and how many of them were processed or
// failed; a listed profile that does not open counts among the first only.
struct ListingTally {
  uint32_t Systems = 0;
  uint32_t Processed = 0;
  uint32_t Failed = 0;
};

// How far the run has come. The watch of the time budget reads it when the
// budget is spent, and ends the document with it: the system in progress
// counts as taken and failed, and the systems never taken as not reached.
// The main thread changes it only while it holds the writer.
class ListingProgress : public DeadlineEnd {
 public:
  int WriteEnd(ResultWriter& writer) override;

  ListingTally Tally;
  size_t Next = 0;          // where the next entry of the SystemList begins
  bool InProgress = false;  // a system is taken and not yet counted
  SystemLabelText Name;     // of the system in progress: its label, once known
  BannerText SystemLine;    // of the system in progress, with console echo
  FaultMessage Reason;      // why it fails when the budget is spent
};

// What became of one system taken from the list.
struct SystemOutcome {
  bool Failed = false;       // its profile, logon or a call failed
  bool SensorFound = false;  // its table holds the requested sensor
  // A table operation the library refused: the run ends with the report.
  const char* RefusedOperation = nullptr;
};

// The entry of the SystemList that begins at `*next`, up to its '#';
// `*next` moves past that '#'. A last entry without its '#' is taken all
// the same, so that no listed system is dropped.
std::string TakeNextEntry(size_t* next) {
  const std::string& list = g_run.SystemList;
  size_t end = list.find('#', *next);
  if (end == list.npos) end = list.size();
  std::string entry = list.substr(*next, end - *next);
  *next = end + 1;
  return entry;
}

// Opens the profile of `entry`. A name longer than ProfileName holds opens
// nothing rather than a cut, and so different, file; the directory and the
// name are joined whole for the open, while ProfilePath keeps the text cut
// at its capacity.
std::unique_ptr<InputFile> OpenListedProfile(const std::string& entry) {
  g_run.ProfileName.assign(entry.c_str());
  ConfigPath path = JoinPath(g_run.ProfileDirectory.c_str(), g_run.ProfileName.c_str());
  g_run.ProfilePath.assign(path);
  if (entry.size() > g_run.ProfileName.kCapacity) return nullptr;
  return OpenConfigFile(path.c_str());
}

SystemLabelText LabelOfSystem() {
  const ProfileNameText& name = g_run.ProfileName;
  SystemLabelText label;
  switch (g_run.SystemLabels) {
    case LabelKind::kProfileName:
      label.assign(name);
      break;
    case LabelKind::kAlias:
      label.assign(name);
      label.truncate(name.size() > 4 ? name.size() - 4 : 0);
      break;
    case LabelKind::kHost:
      label.assign(g_run.Profile.Hostname);
      break;
    case LabelKind::kSid:
      label.assign(g_run.Profile.Destination);
      break;
  }
  return label;
}

// A failed call's error text stays in the document: the last system's
// stands ahead of the summary.
bool Answered(const ProbeOutcome& probe, SystemOutcome* system, ResultWriter& writer) {
  system->RefusedOperation = probe.RefusedOperation;
  if (probe.RefusedOperation != nullptr) return false;
  if (!probe.Succeeded) writer.Append(probe.Error.c_str());
  system->Failed = system->Failed || !probe.Succeeded;
  return probe.Succeeded;
}

// The logon is tried also after a profile fault; the calls are not.
void ProbeAndEvaluate(const SystemLabelText& label, SystemOutcome* system, ResultWriter& writer) {
  RFC_HANDLE session = OpenConnection(writer);
  if (session == 0) system->Failed = true;
  if (!system->Failed && Answered(ProbeCpu(session), system, writer)) {
    ProbeOutcome evaluation = EvaluateUserSensors(session, label.c_str(), writer);
    system->SensorFound = evaluation.SensorFound;
    Answered(evaluation, system, writer);
  }
  if (system->RefusedOperation == nullptr) CloseConnection();
}

// "\n<system line> State=<state>\n", with console echo.
void PrintStateLine(const BannerText& system_line, const char* state, ResultWriter& writer) {
  if (!g_run.ConsoleEcho) return;
  writer.PrintConsole("\n");
  writer.PrintConsole(system_line.c_str());
  writer.PrintConsole(" State=");
  writer.PrintConsole(state);
  writer.PrintConsole("\n");
}

void CountAndReport(const SystemOutcome& system, ListingProgress* progress,
                    ResultWriter& writer) {
  ResultWriter::Hold hold(writer);
  if (!system.Failed && system.SensorFound) ++progress->Tally.Processed;
  else ++progress->Tally.Failed;
  progress->InProgress = false;

  const char* state = system.SensorFound ? "Processed" : "Not Found";
  SystemResult result = system.SensorFound ? SystemResult::kProcessed : SystemResult::kNotFound;
  if (system.Failed) state = "Rfc Failure";
  if (system.Failed) result = SystemResult::kFailed;
  writer.NoteSystem(progress->Name.c_str(), result);
  PrintStateLine(progress->SystemLine, state, writer);
}

std::unique_ptr<InputFile> TakeNextSystem(ListingProgress* progress, ResultWriter& writer) {
  std::string entry;
  {
    ResultWriter::Hold hold(writer);
    ++progress->Tally.Systems;
    progress->InProgress = true;
    progress->SystemLine.clear();
    entry = TakeNextEntry(&progress->Next);
    progress->Name.assign(entry.c_str());
  }
  std::unique_ptr<InputFile> profile = OpenListedProfile(entry);
  if (!profile) {
    // Counted in NoSystems only; a form that counts systems itself counts
    // it as failed, so that a deleted profile does not go unnoticed.
    ResultWriter::Hold hold(writer);
    progress->InProgress = false;
    writer.NoteSystem(progress->Name.c_str(), SystemResult::kFailed);
  }
  return profile;
}

// Null when the run goes on with the next system; otherwise the table
// operation that the library refused.
const char* ProcessNextSystem(ListingProgress* progress, ResultWriter& writer) {
  std::unique_ptr<InputFile> profile = TakeNextSystem(progress, writer);
  if (!profile) return nullptr;
  SystemOutcome system;
  if (ReadSystemProfile(std::move(profile), ProfileForm::kListing) != ProfileFault::kNone)
    system.Failed = true;
  SystemLabelText label = LabelOfSystem();
  RegisterRfcEnvironment(writer);
  {
    ResultWriter::Hold hold(writer);
    if (g_run.ConsoleEcho) progress->SystemLine = SystemLine(CurrentClockText().c_str());
    progress->Name = label;
    progress->Reason = NoAnswerMessage(g_run.Profile.Destination.c_str(), g_run.TimeoutSeconds);
    writer.Empty();
  }
  ProbeAndEvaluate(label, &system, writer);
  if (system.RefusedOperation != nullptr) return system.RefusedOperation;
  CountAndReport(system, progress, writer);
  return nullptr;
}

// From here on the keywords of the listing's parameter text act as the
// run's arguments.
void AdoptParameterText() {
  g_run.ArgumentText.assign(g_run.ParameterText);
  g_run.TypedArgumentText.assign(g_run.ParameterText);
  g_run.ArgumentText.to_upper();
}

void PrintOpening(ResultWriter& writer) {
  if (g_run.ConsoleEcho) {
    writer.PrintConsole(g_run.BannerLine.c_str());
    writer.PrintConsole("\n");
  }
  FixedText<8> start_time;
  start_time.assign(g_run.BannerLine.c_str() + 2, 8);
  g_run.ParameterText.replace_all(':', ' ');
  g_run.ParameterText.truncate(g_run.ParameterText.find(" @"));
  if (g_run.ConsoleEcho) {
    FixedText<255> executing;
    executing.format("* %s %s State=Executing\n", start_time.c_str(),
                     g_run.ParameterText.c_str());
    writer.PrintConsole(executing.c_str());
  }
  writer.BeginDocument();
  writer.PrintLine();
}

// The summary and the closing; after a spent budget the systems never
// taken from the list are named too.
void PrintSummary(const ListingTally& tally, const uint32_t* not_reached, ResultWriter& writer) {
  writer.BeginText();
  FixedText<255> summary;
  summary.format("(***) %s: NoSystems=%" PRIu32 ", Processed=%" PRIu32 ", Failed=%" PRIu32,
                 g_run.ItemId.c_str(), tally.Systems, tally.Processed, tally.Failed);
  writer.AppendStatusText(summary.c_str());
  if (not_reached != nullptr) {
    summary.format(", Not reached=%" PRIu32, *not_reached);
    writer.AppendStatusText(summary.c_str());
  }
  writer.EndText();
  writer.EndDocument();
  writer.PrintLine();
  if (g_run.ConsoleEcho) PrintNowProcessed(writer);
}

// The entries of the SystemList from `next` on, taken as TakeNextEntry
// takes them, each noted as not reached.
uint32_t NoteEntriesLeft(size_t next, ResultWriter& writer) {
  uint32_t entries = 0;
  while (next < g_run.SystemList.size()) {
    ++entries;
    writer.NoteSystem(TakeNextEntry(&next).c_str(), SystemResult::kNotReached);
  }
  return entries;
}

int ListingProgress::WriteEnd(ResultWriter& writer) {
  if (InProgress) {
    // What the interrupted system left unprinted is no part of the end.
    writer.Empty();
    ++Tally.Failed;
    FixedText<639> state("Rfc Failure - ");
    state.append(Reason);
    if (!SystemLine.empty()) PrintStateLine(SystemLine, state.c_str(), writer);
    writer.NoteSystem(Name.c_str(), SystemResult::kFailed);
  }
  const uint32_t not_reached = NoteEntriesLeft(Next, writer);
  PrintSummary(Tally, &not_reached, writer);
  return 0;
}

}  // namespace

int RunListing(ResultWriter& writer) {
  AdoptParameterText();
  PrintOpening(writer);
  ListingProgress progress;
  std::unique_ptr<Watchdog> watch = WatchTimeBudget(writer, progress);
  while (progress.Next < g_run.SystemList.size()) {
    const char* refused = ProcessNextSystem(&progress, writer);
    if (refused != nullptr) return EndWithRfcErrorReport(writer, refused, &progress);
  }
  ResultWriter::Hold hold(writer);
  PrintSummary(progress.Tally, nullptr, writer);
  progress.Finished = true;
  return 0;
}

}  // namespace fernwatch
