#include "app/run_services.h"

#include "rfc/connection.h"
#include "run_state.h"

namespace fernwatch {

FixedText<8> CurrentClockText() {
  ClockTime now = CurrentEnv().LocalTime();
  FixedText<8> text;
  text.format("%02d:%02d:%02d", now.hour % 100, now.minute % 100, now.second % 100);
  return text;
}

BannerText SystemLine(const char* time) {
  const SystemProfile& profile = g_run.Profile;
  BannerText line;
  line.format("* %s %s, %s, %s, %s, %s", time, g_run.ProfileName.c_str(),
              profile.Hostname.c_str(), profile.Destination.c_str(), profile.Sysnr.c_str(),
              profile.Client.c_str());
  return line;
}

void RegisterRfcEnvironment() {
  RFC_ERROR_HANDLER* handler = &ReportRfcError;
  g_run.RfcEnvironmentRecord.errorhandler = handler;
  g_run.RfcEnvironmentRecord.allocate = nullptr;
  RfcEnvironment(&g_run.RfcEnvironmentRecord);
}

bool TakeOutcome(const ProbeOutcome& outcome) {
  g_run.RunStatus.assign(outcome.Succeeded ? "OK" : "ERR");
  return outcome.Succeeded;
}

void PrepareEvaluation() {
  const OutputModeText& mode = g_run.OutputMode;
  const char* table = "ZPRTG";
  if (mode.equals("Brixtel")) table = "ZBRIX";
  if (mode.equals("Quorvane")) table = "ZQUORV";
  if (mode.equals("Maltrex")) table = "ZMALT";
  g_run.SensorTableName.assign(table);
  g_run.GenericKeyText.clear();
  g_run.MaxEntriesText.clear();
}

void PrintNowProcessed() {
  FixedText<127> line;
  line.format("\n* %s SAP %s now processed...\n", CurrentClockText().c_str(), "Fernwatch");
  Print(line.c_str());
}

void Print(const char* text) { CurrentEnv().WriteOut(text); }

}  // namespace fernwatch
