// A single-system run: the road of a normal PRTG poll, from the located
// profile to the printed document and the exit status.
#include "app/run_driver.h"
#include "app/run_faults.h"
#include "app/run_services.h"
#include "app/time_budget.h"
#include "config/locate.h"
#include "config/profile_reader.h"
#include "argument_keywords.h"
#include "probes/probes.h"
#include "probes/sensor_row.h"
#include "rfc/connection.h"
#include "rfc/library_errors.h"
#include "rfc/rfc_functions.h"
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

void PrintProgressLines(ResultWriter& writer) {
  writer.PrintConsole(g_run.BannerLine.c_str());
  writer.PrintConsole("\n");
  FixedText<8> now = CurrentClockText();
  writer.PrintConsole(SystemLine(now.c_str()).c_str());
  writer.PrintConsole(" State=Processing\n");
  CutParameterText();
  FixedText<255> executing;
  executing.format("* %s %s - %s State=Executing\n", now.c_str(), "Fernwatch",
                   g_run.ParameterText.c_str());
  writer.PrintConsole(executing.c_str());
}

// When the budget is spent, the document ends with the message that the
// system did not answer in time: as the error document, or after the part
// already printed.
class SingleRunDeadline : public DeadlineEnd {
 public:
  explicit SingleRunDeadline(const FaultMessage& message) : message_(message) {}

  int WriteEnd(ResultWriter& writer) override {
    writer.CloseEarly(message_.c_str());
    return kErrorDocumentStatus;
  }

 private:
  FaultMessage message_;
};

// A failed probe or evaluation: its error text and the reason from the
// library's trace file become the error document. The trace file stays.
int EndAfterFailedCall(ResultWriter& writer, const ProbeOutcome& outcome, DeadlineEnd* end) {
  if (outcome.RefusedOperation != nullptr)
    return EndWithRfcErrorReport(writer, outcome.RefusedOperation, end);
  FaultMessage message(outcome.Error.c_str());
  AppendTraceMessage(&message);
  writer.SetErrorDocument(message.c_str());
  writer.Print();
  CloseConnection();
  return kErrorDocumentStatus;
}

int EndAfterFailedOpen(ResultWriter& writer) {
  FaultMessage message;
  message.format("%s%s%s", "Error 1011: RFC-Open for ", g_run.Profile.Destination.c_str(),
                 " failed !");
  // The PRTG-native form names the cause: what the library says of its
  // last error, or else what it wrote to its trace since the open.
  if (g_run.NativeForm) {
    RfcLastErrorText last = ReadRfcLastError();
    if (last.Message.empty()) {
      AppendTraceMessage(&message);
    } else {
      message.append(" - ");
      message.append(last.Message);
    }
  }
  return EndWithErrorDocument(writer, message.c_str());
}

// In the PRTG-native form a table without entries, and a sensor that has
// no row in the table, are errors: a sensor that reports nothing must not
// stay green. Empty when the evaluation stands.
FaultMessage NativeEvaluationFault(const ProbeOutcome& evaluation) {
  FaultMessage message;
  if (!g_run.NativeForm) return message;
  const char* table = g_run.OutputMode->SensorTable;
  const char* system = g_run.Profile.Destination.c_str();
  if (evaluation.ReturnCode != RFC_OK) {
    message.format("%s%s%s%s%s", "Error 1062: Table ", table, " of ", system,
                   " has no entries...");
  } else if (!AsksForSensorOverview() && !evaluation.SensorMet) {
    message.format("%s%s%s%s%s%s%s", "Error 1061: User-Sensor ",
                   SensorWordOf(g_run.ArgumentText.c_str()).Word.c_str(), " is not in table ",
                   table, " of ", system, "...");
  }
  return message;
}

// The profile located at start, read and checked; its fault's message,
// empty when it serves.
FaultMessage ReadProfile() {
  if (!g_run.ProfileFile) return LocateFaultMessage(ProfileMissing(g_run.ProfilePath.c_str()));
  ProfileFault fault = ReadSystemProfile(std::move(g_run.ProfileFile), ProfileForm::kSingle);
  return FaultMessage(RunProfileFaultMessage(fault).c_str());
}

// The logon, the probes and the evaluation of the system of the profile.
int PollSystem(ResultWriter& writer, DeadlineEnd* end) {
  TracePoint(0, "program started", g_run.ProgramPath);
  // The library is loaded at its first call.
  FaultMessage fault = RfcLibraryFaultMessage(LoadRfcLibrary());
  if (!fault.empty()) return EndWithErrorDocument(writer, fault.c_str());
  RegisterRfcEnvironment(writer);
  TracePoint(0, "RfcEnvironment called", "");
  writer.Empty();
  if (g_run.ConsoleEcho) PrintProgressLines(writer);

  RFC_HANDLE session = OpenConnection(writer);
  if (session == 0) return EndAfterFailedOpen(writer);
  ProbeOutcome probe = ProbeCpu(session);
  if (!probe.Succeeded) return EndAfterFailedCall(writer, probe, end);
  probe = ProbeSystemInfo(session);
  if (!probe.Succeeded) return EndAfterFailedCall(writer, probe, end);
  ProbeOutcome evaluation = EvaluateUserSensors(session, nullptr, writer);
  if (evaluation.RefusedOperation != nullptr) return EndAfterFailedCall(writer, evaluation, end);
  CloseConnection();

  if (!evaluation.Succeeded) return EndAfterFailedCall(writer, evaluation, end);
  FaultMessage native_fault = NativeEvaluationFault(evaluation);
  if (!native_fault.empty()) return EndWithErrorDocument(writer, native_fault.c_str());
  writer.Print();
  CurrentEnv().RemoveFile(kLibraryTraceFile);
  // An empty sensor table ends with its return code, 2, without the
  // progress lines.
  if (!g_run.ConsoleEcho) return evaluation.ReturnCode;
  PrintNowProcessed(writer);
  return 0;
}

}  // namespace

int RunSingleSystem(ResultWriter& writer) {
  FaultMessage fault = ReadProfile();
  if (!fault.empty()) return EndWithErrorDocument(writer, fault.c_str());
  SingleRunDeadline deadline(
      NoAnswerMessage(g_run.Profile.Destination.c_str(), g_run.TimeoutSeconds));
  std::unique_ptr<Watchdog> watch = WatchTimeBudget(writer, deadline);
  int status = PollSystem(writer, &deadline);
  ResultWriter::Hold hold(writer);
  deadline.Finished = true;
  return status;
}

}  // namespace fernwatch
