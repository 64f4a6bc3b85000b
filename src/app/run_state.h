// The one run-wide record. A run is one process: every part of the probe
// reads and writes the values it owns here, and nothing outlives the run
// but files.
#ifndef FERNWATCH_APP_RUN_STATE_H_
#define FERNWATCH_APP_RUN_STATE_H_

#include <cstdint>
#include <memory>

#include "config/system_profile.h"
#include "fixed_text.h"
#include "platform/env.h"
#include "rfc/rfc_library.h"

namespace fernwatch {

struct RunState {
  // Start and command line.
  FixedText<123> BannerLine;
  FixedText<63> ProfileName;
  FixedText<127> ArgumentText;   // upper-cased; keywords are searched here
  FixedText<127> ParameterText;  // as typed
  // ArgumentText in its typed case, position for position: connection
  // overrides take their values from here.
  FixedText<127> TypedArgumentText;
  FixedText<90> ItemId;
  Flag ListingRun;
  Flag ConsoleEcho;
  FixedText<15> OutputMode;
  const char* SecondArgument = "";  // as typed, whole; for Error 1030
  const char* ProgramPath = "";     // as started; for the trace

  // Configuration files.
  FixedText<95> ProfileDirectory;
  FixedText<81> ProfilePath;
  std::unique_ptr<InputFile> ProfileFile;
  SystemProfile Profile;
  FixedText<2047> SystemList;
  FixedText<1> LabelKind;

  // Run driver.
  RFC_HANDLE RfcSession = 0;
  FixedText<3> RunStatus;
  FixedText<6> SensorTableName;
  FixedText<8> StartTime;
  FixedText<72> GenericKeyText;
  FixedText<11> MaxEntriesText;

  // Listing run.
  Flag SensorFound;
  Flag SystemFailed;
  FixedText<47> SystemLabel;
  FixedText<11> SystemState;
  uint32_t SystemCount = 0;
  uint32_t ProcessedCount = 0;
  uint32_t FailedCount = 0;

  // Result document.
  FixedText<4095> ResultDocument;
  int32_t ChannelCounter = 0;

  // RFC layer: kept from call to call for the whole process.
  RFC_ENV RfcEnvironmentRecord = {nullptr, nullptr};
  RFC_TYPEHANDLE CpuTypeHandle = 0;
  RFC_TYPEHANDLE SystemInfoTypeHandle = 0;
  RFC_TYPEHANDLE TableTypeHandle = 0;
  int LastSysnr = 0;  // an empty ,NO= keeps the previous connection's number
  std::unique_ptr<LineSink> TraceStream;
};

// The run of this process.
extern RunState g_run;

// Gives every run-wide value its start value (program start; tests).
void ResetRunState();

}  // namespace fernwatch

#endif  // FERNWATCH_APP_RUN_STATE_H_
