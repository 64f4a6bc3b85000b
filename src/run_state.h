// The run-wide record: what the whole run reads. A run is one process:
// start fills in the arguments, the configuration readers the mode, the
// profile and the listing, and nothing outlives the run but files. What
// belongs to one part of the probe lives with that part instead: the
// result document with its writer, the RFC session with the RFC layer,
// the counters with the listing run. The record sits below every layer so
// that each may read it; it includes only headers of the base.
#ifndef FERNWATCH_RUN_STATE_H_
#define FERNWATCH_RUN_STATE_H_

#include <memory>
#include <string>

#include "fixed_text.h"
#include "front_ends.h"
#include "platform/env.h"

namespace fernwatch {

// Capacities that several parts of the probe share.
using BannerText = FixedText<123>;       // the banner and the system line
using ProfileNameText = FixedText<63>;   // a profile's name without directory
using ArgumentLine = FixedText<127>;     // the argument text in all its forms
using ItemIdText = FixedText<90>;        // the item of a listing run
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

// How a listing run names its systems in channel names.
enum class LabelKind {
  kProfileName,  // the profile's file name
  kAlias,        // the file name without its four-character extension
  kHost,         // the profile's Hostname
  kSid,          // the profile's Destination
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
  bool ListingRun = false;   // one item on every system of a list
  bool ConsoleEcho = false;  // progress lines for a person at a prompt
  const FrontEnd* OutputMode = &PrtgSensor();
  // The time budget of ",TIMEOUT=", counted from the process's start; 0
  // for none.
  int TimeoutSeconds = 0;
  // The PRTG-native form (",NATIVE" with a front-end that reads XML).
  bool NativeForm = false;
  const char* SecondArgument = "";  // as typed, whole; for Error 1030
  const char* ProgramPath = "";     // as started; for the trace

  // Configuration files.
  FixedText<95> ProfileDirectory;
  FixedText<81> ProfilePath;
  std::unique_ptr<InputFile> ProfileFile;
  SystemProfile Profile;
  // "<profile>#" entries of a listing, as many as it names: no bound
  // that could drop a listed system.
  std::string SystemList;
  LabelKind SystemLabels = LabelKind::kProfileName;
};

// The run of this process.
extern RunState g_run;

// Gives every run-wide value its start value (program start; tests).
void ResetRunState();

// What is left of the run's time budget in milliseconds (never below 0),
// or `otherwise` when that is less or the run has no budget.
int BudgetLeftMilliseconds(int otherwise);

}  // namespace fernwatch

#endif  // FERNWATCH_RUN_STATE_H_
