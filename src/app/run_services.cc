#include "app/run_services.h"

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

void PrintNowProcessed(ResultWriter& writer) {
  FixedText<127> line;
  line.format("\n* %s SAP %s now processed...\n", CurrentClockText().c_str(), "Fernwatch");
  writer.PrintConsole(line.c_str());
}

}  // namespace fernwatch
