// A single-system run: the road of a normal PRTG poll, from the located
// profile to the printed document and the exit status.
#include "app/run_driver.h"
#include "app/run_faults.h"
#include "app/run_services.h"
#include "config/profile_reader.h"
#include "output/result_document.h"
#include "probes/probes.h"
#include "rfc/connection.h"
#include "run_state.h"

namespace fernwatch {
namespace {

// The parameter text as the Executing line shows it: without the markers
// and what follows them, and never empty.
void CutParameterText() {
  ArgumentLine& text = g_run.ParameterText;
  text.truncate(text.find_char('#'));
  text.truncate(text.find_char('@'));
  if (text.equals("(Parameters ") || text.equals("(No ")) text.clear();
  if (text.empty()) text.assign("(No Parameters)");
}

void PrintProgressLines() {
  Print(g_run.BannerLine.c_str());
  Print("\n");
  FixedText<8> now = CurrentClockText();
  Print(SystemLine(now.c_str()).c_str());
  Print(" State=Processing\n");
  CutParameterText();
  FixedText<255> executing;
  executing.format("* %s %s - %s State=Executing\n", now.c_str(), "Fernwatch",
                   g_run.ParameterText.c_str());
  Print(executing.c_str());
}

void CloseSession() {
  if (g_run.RfcSession == 0) return;
  RfcClose(g_run.RfcSession);
  g_run.RfcSession = 0;
}

// A failed probe or evaluation: its error text and the reason from the
// library's trace file become the error document. The trace file stays.
[[noreturn]] void ErrorExit() {
  AppendTraceMessage();
  DocumentText message(g_run.ResultDocument);
  SetErrorDocument(message.c_str());
  PrintDocument();
  CloseSession();
  EndProcess(2);
}

[[noreturn]] void FailOpen() {
  FixedText<127> message;
  message.format("%s%s%s", "Error 1011: RFC-Open for ", g_run.Profile.Destination.c_str(),
                 " failed !");
  ExitWithErrorDocument(message.c_str());
}

void ReadProfile() {
  if (!g_run.ProfileFile) ExitOnFault(ProfileMissing(g_run.ProfilePath.c_str()));
  ExitOnFault(ReadSystemProfile(std::move(g_run.ProfileFile), ProfileForm::kSingle));
}

}  // namespace

void RunSingleSystem() {
  ReadProfile();
  TracePoint(0, "program started", g_run.ProgramPath);
  RegisterRfcEnvironment();
  TracePoint(0, "RfcEnvironment called", "");
  EmptyDocument();
  if (IsSet(g_run.ConsoleEcho)) PrintProgressLines();

  g_run.RfcSession = OpenConnection();
  if (g_run.RfcSession == 0) FailOpen();
  if (!TakeOutcome(ProbeCpu(g_run.RfcSession))) ErrorExit();
  if (!TakeOutcome(ProbeSystemInfo(g_run.RfcSession))) ErrorExit();
  PrepareEvaluation();
  ProbeOutcome evaluation = EvaluateUserSensors(g_run.RfcSession);
  CloseSession();

  if (!TakeOutcome(evaluation)) ErrorExit();
  PrintDocument();
  CurrentEnv().RemoveFile(kLibraryTraceFile);
  // An empty sensor table ends with its return code, 2, without the
  // progress lines.
  if (!IsSet(g_run.ConsoleEcho)) EndProcess(evaluation.ReturnCode);
  PrintNowProcessed();
  EndProcess(0);
}

}  // namespace fernwatch
