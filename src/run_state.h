// The one run-wide record. A run is one process: every part of the probe
// reads and writes the values it owns here, and nothing outlives the run
// but files. The record sits below every layer so that each may read it;
// it includes only headers that include no other header of the probe.
#ifndef FERNWATCH_RUN_STATE_H_
#define FERNWATCH_RUN_STATE_H_

#include <cstdint>
#include <memory>

#include "fixed_text.h"
#include "platform/env.h"
#include "rfc/rfc_library.h"

namespace fernwatch {

// Capacities that several parts of the probe share.
using BannerText = FixedText<123>;       // the banner and the system line
using ProfileNameText = FixedText<63>;   // a profile's name without directory
using ArgumentLine = FixedText<127>;     // the argument text in all its forms
using ItemIdText = FixedText<90>;        // the item of a listing run
using OutputModeText = FixedText<15>;
using SystemListText = FixedText<2047>;  // "<profile>#" entries of a listing
using SystemLabelText = FixedText<47>;   // a system's name in a listing run
using DocumentText = FixedText<4095>;    // the result document

// The logon data of one SAP system, read from its profile file.
struct SystemProfile {
  FixedText<60> Extcompany;
  FixedText<11> Destination;
  FixedText<11> Client;
  FixedText<47> User;      // upper-cased
  FixedText<31> Password;  // decoded
  FixedText<31> Language;
  FixedText<31> Mode;
  FixedText<47> Hostname;
  FixedText<31> Sysnr;
  FixedText<60> Gwhost;
  FixedText<31> Gwservice;
};

// The records handed to RfcOpen and the texts they point at. The library
// reads them during the open only; every open fills them anew from the
// current system's profile.
struct ConnectionRecords {
  decltype(SystemProfile::Destination) Destination;
  decltype(SystemProfile::Client) Client;
  // Whole profile values and their padding: never cut.
  decltype(SystemProfile::User) User;
  decltype(SystemProfile::Password) Password;
  decltype(SystemProfile::Language) Language;
  ArgumentLine Hostname;  // the profile's, or the one typed as an override
  decltype(SystemProfile::Gwhost) GatewayHost;
  decltype(SystemProfile::Gwservice) GatewayService;
  RFC_OPTIONS OpenOptions = {};
  RFC_CONNOPT_R3ONLY R3Options = {};
  RFC_CONNOPT_CPIC GatewayOptions = {};
};

struct RunState {
  // Start and command line.
  BannerText BannerLine;
  ProfileNameText ProfileName;
  ArgumentLine ArgumentText;   // upper-cased; keywords are searched here
  ArgumentLine ParameterText;  // as typed
  // ArgumentText in its typed case, position for position: connection
  // overrides take their values from here.
  ArgumentLine TypedArgumentText;
  ItemIdText ItemId;
  Flag ListingRun;
  Flag ConsoleEcho;
  OutputModeText OutputMode;
  const char* SecondArgument = "";  // as typed, whole; for Error 1030
  const char* ProgramPath = "";     // as started; for the trace

  // Configuration files.
  FixedText<95> ProfileDirectory;
  FixedText<81> ProfilePath;
  std::unique_ptr<InputFile> ProfileFile;
  SystemProfile Profile;
  SystemListText SystemList;
  FixedText<1> LabelKind;

  // Run driver.
  RFC_HANDLE RfcSession = 0;
  FixedText<3> RunStatus;  // "OK" or "ERR": how the last probe went
  FixedText<6> SensorTableName;
  FixedText<8> StartTime;
  FixedText<72> GenericKeyText;
  FixedText<11> MaxEntriesText;

  // Listing run.
  Flag SensorFound;
  Flag SystemFailed;
  SystemLabelText SystemLabel;
  FixedText<11> SystemState;
  uint32_t SystemCount = 0;
  uint32_t ProcessedCount = 0;
  uint32_t FailedCount = 0;

  // Result document.
  DocumentText ResultDocument;
  int32_t ChannelCounter = 0;

  // RFC layer: kept from call to call for the whole process.
  RFC_ENV RfcEnvironmentRecord = {nullptr, nullptr};
  RFC_TYPEHANDLE CpuTypeHandle = 0;
  RFC_TYPEHANDLE SystemInfoTypeHandle = 0;
  RFC_TYPEHANDLE TableTypeHandle = 0;
  ConnectionRecords Connection;
  int LastSysnr = 0;  // an empty system number override keeps this one
  // The size of the library's trace file just before the last open, -1
  // when there was none: a failure's reason is read from what lies beyond.
  int64_t TraceSizeAtOpen = -1;
  std::unique_ptr<LineSink> TraceStream;
};

// The run of this process.
extern RunState g_run;

// Gives every run-wide value its start value (program start; tests).
void ResetRunState();

}  // namespace fernwatch

#endif  // FERNWATCH_RUN_STATE_H_
