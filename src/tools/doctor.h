// fernwatch-profile doctor: the install checked at the probe before PRTG
// runs it, from the folder the operator is in. One line per check, each
// with OK and what was found, or FAULT, the fault and what to do:
//
//   OK    librfc32: C:\...\EXEXML\librfc32.dll, 64-bit, ...
//   FAULT logon: Error 1011: RFC-Open for PRD failed ! - the library says: ... Fix: ...
//
// Without a profile the checks need no SAP system; with one, the doctor
// logs on as a poll would and asks the system what a poll asks. It never
// prints the password, and a call of the library's error handler becomes
// a FAULT line rather than the end of the program.
#ifndef FERNWATCH_TOOLS_DOCTOR_H_
#define FERNWATCH_TOOLS_DOCTOR_H_

#include "config/locate.h"
#include "fixed_text.h"
#include "front_ends.h"
#include "platform/folders.h"

namespace fernwatch {

// The probe's program, whose folder the doctor checks.
#if defined(_WIN32)
inline constexpr char kProbeProgram[] = "fernwatch.exe";
#else
inline constexpr char kProbeProgram[] = "fernwatch";
#endif

using DoctorText = FixedText<1023>;

// The lines printed so far, and what no line may show.
struct DoctorReport {
  int Faults = 0;
  // The profile's decoded password once it is read: replaced wherever a
  // line would show it, whichever text (the library's own) brings it.
  const char* Secret = nullptr;
};

// "OK    <check>: <found>" on standard output.
void ReportOk(DoctorReport* report, const char* check, const char* found);

// "FAULT <check>: <fault> Fix: <fix>" on standard output (no "Fix:" when
// `fix` is empty: the fault says what to do); counts the fault.
void ReportFault(DoctorReport* report, const char* check, const char* fault, const char* fix);

// Where the doctor runs, read once before the checks.
struct DoctorSetting {
  FolderPath ProgramFolder;
  FolderPath WorkingFolder;
  // The front-end that the marker files designate (the last one), or
  // PRTG's sensor when there is none.
  const FrontEnd* Monitor = &PrtgSensor();
  bool PrtgPathFile = false;  // C:\PRTG_Path.Txt opens
};

DoctorSetting ReadDoctorSetting();

// The checks of the install, which need no profile, in their order. Those
// that a later check depends on say whether they passed.
void CheckProgramFolder(DoctorReport* report, const DoctorSetting& setting);
void CheckFrontEndMarkers(DoctorReport* report, const DoctorSetting& setting);
void CheckPrtgPathFile(DoctorReport* report, const DoctorSetting& setting);
// Where a run finds its profiles: without a profile name, those beside
// the program; with the run's ProfileName completed from the doctor's
// argument (`given_name` its fault), that profile, located as a poll with
// that first argument locates it and left open in the run's ProfileFile.
bool CheckProfileLocation(DoctorReport* report, const DoctorSetting& setting,
                          const LocateFault* given_name);
bool CheckRfcLibrary(DoctorReport* report, const DoctorSetting& setting);
void CheckWorkingDirectory(DoctorReport* report, const DoctorSetting& setting);

// The checks with the located profile: it is read as a poll reads it; if
// it serves and the library is loaded, the doctor logs on, calls what a
// poll calls, reads the sensor table and logs off.
void CheckWithProfile(DoctorReport* report, const DoctorSetting& setting, bool library_loaded);

// The folder of PRTG that holds "Custom Sensors\EXEXML", when `folder` is
// that EXEXML folder; empty otherwise.
FolderPath PrtgProgramDirectoryOf(const char* folder);

// What to do about C:\PRTG_Path.Txt so that it leads to the program folder.
DoctorText PrtgPathFix(const DoctorSetting& setting);

}  // namespace fernwatch

#endif  // FERNWATCH_TOOLS_DOCTOR_H_
