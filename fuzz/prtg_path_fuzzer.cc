// C:\PRTG_Path.Txt and the search of PRTG's custom-sensor directory that
// it steers. The input is the file; an empty input stands for no file at
// all, which makes the search try its built-in directories. The profile
// PRD.P00 lies in a few sensor directories, and at the root of the drive,
// which a sensor must not use. A profile located is open, in a directory
// ending in ExeXml and a backslash, and the run is in PRTG mode.
#include <string>

#include "config/locate.h"
#include "fuzz/fuzz_support.h"

namespace fernwatch {
namespace {

const char* const kProfiles[] = {
    "C:\\Program Files\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\PRD.P00",
    "C:\\PRTG\\Custom Sensors\\ExeXml\\PRD.P00",
    "D:\\Sensors\\EXEXML\\PRD.P00",
    "\\PRD.P00",
};

void ExpectSensorDirectory() {
  FixedText<7> tail;
  const auto& directory = g_run.ProfileDirectory;
  tail.assign(directory.c_str() + (directory.size() >= 7 ? directory.size() - 7 : 0));
  tail.to_upper();
  FuzzExpect(tail.equals("EXEXML\\"), "a located profile lies in an ExeXml directory");
  FuzzExpect(g_run.ProfileFile != nullptr, "a located profile is open");
  FuzzExpect(g_run.OutputMode == &PrtgSensor(), "a located sensor reports in PRTG XML");
}

}  // namespace
}  // namespace fernwatch

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace fernwatch;
  FuzzRun run;
  if (size > 0)
    run.env.files["C:\\PRTG_Path.Txt"] = std::string(reinterpret_cast<const char*>(data), size);
  for (const char* profile : kProfiles) run.env.files[profile] = "Destination: PRD\n";
  g_run.ProfileName.assign("PRD");
  g_run.OutputMode = &PrtgSensor();

  LocateFault fault = CompleteProfileName();
  if (!fault.Failed()) fault = LocateProfile();
  FuzzExpect(LocateFaultMessage(fault).empty() == !fault.Failed(), "every fault has its message");
  if (!fault.Failed()) ExpectSensorDirectory();
  return 0;
}
