// The doctor's checks with a profile: it is read as a poll reads it, and
// if it serves, the doctor logs on as a poll would, calls what a poll
// calls, reads the user-sensor table that a run from this folder reads,
// and logs off. Where a poll would end, the doctor prints a FAULT line with
// the library's own text and what to do; the library's error handler is
// the doctor's own, so that a handler call becomes such a line too.
#include <cstring>

#include "config/profile_reader.h"
#include "probes/call_lists.h"
#include "probes/probes.h"
#include "probes/remote_calls.h"
#include "probes/sensor_table_count.h"
#include "probes/system_info_record.h"
#include "rfc/connection.h"
#include "rfc/library_errors.h"
#include "run_state.h"
#include "tools/doctor.h"

namespace fernwatch {
namespace {

// The calls of the library's error handler, kept for the step's line.
struct HandlerCall {
  bool Called = false;
  FixedText<127> Operation;
};
HandlerCall g_handler_call;

void SAP_API NoteHandlerCall(rfc_char_t* operation) {
  g_handler_call.Called = true;
  g_handler_call.Operation.assign(operation != nullptr ? operation : "");
}

// OpenConnection tells its writer when the logon goes through the
// destination's file; the doctor says so in its own line instead.
class LogonNoteWriter : public ResultWriter {
 public:
  bool ThroughDestinationFile() const { return through_destination_file_; }

 protected:
  void AppendOpening() override {}
  void AppendClosing() override {}
  void AppendTextOpening() override {}
  void AppendTextPiece(const char*) override {}
  void AppendTextClosing() override {}
  void AppendChannel(const Channel&, int32_t) override {}
  void PrintNote(const char*) override { through_destination_file_ = true; }

 private:
  bool through_destination_file_ = false;
};

// " - the library says: <its last error>".
DoctorText LibrarySays() {
  RfcLastErrorText last = ReadRfcLastError();
  DoctorText text;
  if (last.Message.empty()) text.assign(" - the library gives no reason");
  else text.format(" - the library says: %s", last.Message.c_str());
  return text;
}

// A FAULT line when the library called its error handler during the step;
// false when it did not.
bool ReportedHandlerCall(DoctorReport* report, const char* check) {
  if (!g_handler_call.Called) return false;
  g_handler_call.Called = false;
  DoctorText text;
  text.format("the library called its error handler with \"%s\"%s; a poll ends there with the "
              "RFC error report (exit status 1)",
              g_handler_call.Operation.c_str(), LibrarySays().c_str());
  ReportFault(report, check, text.c_str(), "the library's text says what failed (messages.md, 7)");
  return true;
}

DoctorText ProfileFix(ProfileFault fault) {
  switch (fault) {
    case ProfileFault::kInvalidParameters:
      return DoctorText("compare every line with profiles.md, section 2: the label exactly, the "
                        "value from column 14");
    case ProfileFault::kInvalidPassword:
    case ProfileFault::kWrongPassword:
      return DoctorText("encode the password again (fernwatch-profile encode) and paste the 24 "
                        "characters from column 14");
    case ProfileFault::kUserMissing:
      return DoctorText("add the line User.......: with the RFC user");
    case ProfileFault::kPasswordMissing:
      return DoctorText("add the line Password...: with the encoded password");
    case ProfileFault::kNone:
      break;
  }
  return DoctorText();
}

// "destination PRD, client 100, ...": the logon data, without the password.
DoctorText LogonData() {
  const SystemProfile& profile = g_run.Profile;
  DoctorText text;
  text.format("destination %s, client %s, user %s, language %s, ", profile.Destination.c_str(),
              profile.Client.c_str(), profile.User.c_str(), profile.Language.c_str());
  DoctorText route;
  if (profile.Mode.equals("R/2")) {
    route.format("R/2 through gateway %s, service %s", profile.Gwhost.c_str(),
                 profile.Gwservice.c_str());
  } else {
    route.format("R/3 to host %s, system number %s", profile.Hostname.c_str(),
                 profile.Sysnr.c_str());
  }
  text.append(route);
  return text;
}

bool CheckProfileContent(DoctorReport* report) {
  DoctorText check;
  check.format("profile %s", g_run.ProfileName.c_str());
  ProfileFault fault = ReadSystemProfile(std::move(g_run.ProfileFile), ProfileForm::kSingle);
  if (fault != ProfileFault::kNone) {
    ReportFault(report, check.c_str(),
                ProfileFaultMessage(fault, g_run.ProfileName.c_str()).c_str(),
                ProfileFix(fault).c_str());
    return false;
  }
  report->Secret = g_run.Profile.Password.c_str();
  ReportOk(report, check.c_str(), LogonData().c_str());
  return true;
}

DoctorText LogonFix(bool through_destination_file, const RfcLastErrorText& last) {
  const SystemProfile& profile = g_run.Profile;
  DoctorText fix;
  if (std::strstr(last.Key.c_str(), "LOGON") != nullptr) {
    fix.format("check client, user and password in %s (encode the password again), and that the "
               "RFC user is neither locked nor expired (sap-team.md, 6)",
               g_run.ProfileName.c_str());
  } else if (through_destination_file) {
    fix.format("check the entry DEST=%s in SapRfc.%s, and that this computer reaches the system "
               "(install.md, 2: the ports)",
               profile.Destination.c_str(), profile.Destination.c_str());
  } else {
    fix.format("check the host and system number (R/3) or the gateway (R/2) in %s, and that this "
               "computer reaches the system: dispatcher port 32NN, gateway 33NN, message server "
               "36NN, where NN is the system number (install.md, 2)",
               g_run.ProfileName.c_str());
  }
  return fix;
}

// Logs on; the open connection, 0 when the check failed.
RFC_HANDLE CheckLogon(DoctorReport* report) {
  const char* check = "logon";
  const SystemProfile& profile = g_run.Profile;
  LogonNoteWriter writer;
  RFC_HANDLE handle = OpenConnection(writer);
  if (ReportedHandlerCall(report, check)) {
    CloseConnection();
    return 0;
  }
  DoctorText text;
  if (handle == 0) {
    text.format("%s%s%s%s", "Error 1011: RFC-Open for ", profile.Destination.c_str(), " failed !",
                LibrarySays().c_str());
    ReportFault(report, check, text.c_str(),
                LogonFix(writer.ThroughDestinationFile(), ReadRfcLastError()).c_str());
    return 0;
  }
  text.format("logged on to %s as %s in client %s", profile.Destination.c_str(),
              profile.User.c_str(), profile.Client.c_str());
  if (writer.ThroughDestinationFile()) {
    text.append(", through SapRfc.");
    text.append(profile.Destination);
    text.append(" (copied to SapRfc.ini)");
  }
  ReportOk(report, check, text.c_str());
  return handle;
}

// The FAULT line of a call that failed: its error text, or the operation
// the library refused, and the library's own text.
void ReportFailedCall(DoctorReport* report, const char* check, const ProbeOutcome& outcome,
                      const char* fix) {
  DoctorText text;
  if (outcome.RefusedOperation != nullptr) {
    text.format("the library refused %s%s; a poll ends there with the RFC error report",
                outcome.RefusedOperation, LibrarySays().c_str());
  } else {
    text.format("%s%s", outcome.Error.c_str(), LibrarySays().c_str());
  }
  ReportFault(report, check, text.c_str(), fix);
}

bool CheckCpu(DoctorReport* report, RFC_HANDLE handle) {
  const char* check = "GET_CPU_ALL";
  ProbeOutcome outcome = ProbeCpu(handle);
  if (ReportedHandlerCall(report, check)) return false;
  if (!outcome.Succeeded) {
    ReportFailedCall(report, check, outcome,
                     "let the RFC user call GET_CPU_ALL (sap-team.md, 6)");
    return false;
  }
  ReportOk(report, check, "the system answers");
  return true;
}

// Appends "<label> <value>", after a comma when `text` holds a part
// already; nothing for an empty value.
void AppendPart(DoctorText* text, const char* label, const char* value) {
  if (value[0] == '\0') return;
  if (!text->empty()) text->append(", ");
  text->append(label);
  text->append(" ");
  text->append(value);
}

// "system PRD, host prdhost, database HDB PRD on dbhost, ...": the parts
// the record fills.
DoctorText WhatTheSystemSays(const SystemInfoRecord& info) {
  DoctorText database(info.DatabaseSystem.c_str());
  if (!info.DatabaseName.empty()) {
    if (!database.empty()) database.append(" ");
    database.append(info.DatabaseName);
  }
  if (!info.DatabaseHost.empty() && !database.empty()) database.append(" on ");
  if (!info.DatabaseHost.empty()) database.append(info.DatabaseHost);
  DoctorText text;
  AppendPart(&text, "system", info.SystemId.c_str());
  AppendPart(&text, "host", info.Host.c_str());
  AppendPart(&text, "database", database.c_str());
  AppendPart(&text, "SAP release", info.Release.c_str());
  AppendPart(&text, "kernel", info.KernelRelease.c_str());
  AppendPart(&text, "operating system", info.OperatingSystem.c_str());
  if (text.empty()) text.assign("the system answers; its record names nothing");
  return text;
}

bool CheckSystemInfo(DoctorReport* report, RFC_HANDLE handle) {
  const char* check = "RFC_SYSTEM_INFO";
  const char* fix = "let the RFC user call RFC_SYSTEM_INFO (sap-team.md, 6)";
  SystemInfoParameters parameters;
  std::memset(&parameters, 0, sizeof parameters);
  char exception[kExceptionNameSize] = "";
  ProbeOutcome outcome;
  if (!InstallSystemInfo()) {
    outcome = ProbeOutcome::Refused("RfcInstallStructure");
  } else {
    outcome.ReturnCode = CallSystemInfo(handle, &parameters, exception);
    outcome.Succeeded = outcome.ReturnCode == RFC_OK;
    if (!outcome.Succeeded) outcome.Error = RemoteCallError(outcome.ReturnCode, exception);
  }
  if (ReportedHandlerCall(report, check)) return false;
  if (!outcome.Succeeded) {
    ReportFailedCall(report, check, outcome, fix);
    return false;
  }
  ReportOk(report, check, WhatTheSystemSays(ReadSystemInfoRecord(parameters.rfcsi_export)).c_str());
  return true;
}

const char* Plural(unsigned count) { return count == 1 ? "" : "s"; }

void CheckSensorTable(DoctorReport* report, RFC_HANDLE handle, const FrontEnd& monitor) {
  DoctorText check;
  check.format("sensor table %s", monitor.SensorTable);
  SensorTableCount count;
  ProbeOutcome outcome = CountSensorTable(handle, monitor.SensorTable, &count);
  if (ReportedHandlerCall(report, check.c_str())) return;
  DoctorText fix;
  if (!outcome.Succeeded) {
    fix.format("the SAP team creates %s and lets the RFC user read it (sap-team.md, 1 and 6)",
               monitor.SensorTable);
    ReportFailedCall(report, check.c_str(), outcome, fix.c_str());
    return;
  }
  if (count.Rows == 0) {
    fix.format("the SAP team fills %s (sap-team.md)", monitor.SensorTable);
    ReportFault(report, check.c_str(),
                "holds no entries: a poll shows \"No Table-Entries defined / found...\" and no "
                "channel",
                fix.c_str());
    return;
  }
  DoctorText text;
  text.format("%u row%s, %u sensor%s", count.Rows, Plural(count.Rows), count.Sensors,
              Plural(count.Sensors));
  ReportOk(report, check.c_str(), text.c_str());
}

void CheckLogoff(DoctorReport* report) {
  CloseConnection();
  if (!ReportedHandlerCall(report, "logoff")) ReportOk(report, "logoff", "connection closed");
}

// The remote checks in a poll's order, each only after the one before
// passed; the connection is closed whatever they found.
void CheckWithSystem(DoctorReport* report, const DoctorSetting& setting) {
  RegisterRfcEnvironmentWith(&NoteHandlerCall);
  RFC_HANDLE handle = CheckLogon(report);
  if (handle == 0) return;
  if (CheckCpu(report, handle) && CheckSystemInfo(report, handle))
    CheckSensorTable(report, handle, *setting.Monitor);
  CheckLogoff(report);
}

}  // namespace

void CheckWithProfile(DoctorReport* report, const DoctorSetting& setting, bool library_loaded) {
  if (CheckProfileContent(report) && library_loaded) CheckWithSystem(report, setting);
}

}  // namespace fernwatch
