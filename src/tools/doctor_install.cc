// The doctor's checks of the install: the program folder and its front-end
// markers, C:\PRTG_Path.Txt, where a run finds its profiles, the RFC
// library and the working directory. Files are searched and read through
// the run's own code, so the doctor finds what a poll would find.
#include <cstring>
#include <memory>

#include "config/config_path.h"
#include "config/locate.h"
#include "config/locate_steps.h"
#include "platform/env.h"
#include "platform/library_file.h"
#include "rfc/rfc_functions.h"
#include "run_state.h"
#include "tools/doctor.h"

namespace fernwatch {
namespace {

const char kPrtgPathFile[] = "C:\\PRTG_Path.Txt";

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether `path` ends in `tail`, ignoring case; a separator matches either.
bool EndsWithIgnoringCase(const char* path, const char* tail) {
  const size_t path_length = std::strlen(path);
  const size_t tail_length = std::strlen(tail);
  if (tail_length > path_length) return false;
  const char* end = path + path_length - tail_length;
  for (size_t i = 0; i < tail_length; ++i) {
    if (IsSeparator(end[i]) && IsSeparator(tail[i])) continue;
    if (Lower(end[i]) != Lower(tail[i])) return false;
  }
  return true;
}

bool IsExeXmlFolder(const char* folder) { return EndsWithIgnoringCase(folder, "\\EXEXML"); }

bool IsPrtgSensor(const DoctorSetting& setting) { return setting.Monitor == &PrtgSensor(); }

const char* FormName(DocumentForm form) {
  switch (form) {
    case DocumentForm::kPrtgXml:
      return "PRTG XML";
    case DocumentForm::kQuorvane:
      return "message and statistic text";
    case DocumentForm::kMaltrex:
      return "line text";
  }
  return "";
}

// The marker files beside the program, in the order they are applied.
DoctorText MarkerFiles() {
  DoctorText markers;
  for (const FrontEnd& front_end : DesignatedFrontEnds()) {
    if (!CurrentEnv().ExistsBesideProgram(front_end.MarkerFile)) continue;
    if (!markers.empty()) markers.append(", ");
    markers.append(front_end.MarkerFile);
  }
  return markers;
}

// Where C:\PRTG_Path.Txt leads a run that looks for a file beside the
// program: the run's own search, with the program's name for a profile's.
ConfigPath PrtgPathDirectory() {
  ProfileNameText kept = g_run.ProfileName;
  g_run.ProfileName.assign(kProbeProgram);
  ConfigPath directory;
  SearchPrtgDirectories(&directory);
  g_run.ProfileName = kept;
  return directory;
}

// The folder of a located profile, for a person.
DoctorText FolderOfProfile(const DoctorSetting& setting) {
  DoctorText folder(g_run.ProfileDirectory.c_str());
  if (folder.empty()) folder.format("the working directory %s", setting.WorkingFolder.c_str());
  return folder;
}

// The folder where the search stopped, which ProfilePath names with the
// profile when the folder was refused.
DoctorText FolderOfRefusedProfile() {
  DoctorText folder(g_run.ProfilePath.c_str());
  const size_t name = std::strlen(g_run.ProfileName.c_str());
  folder.truncate(folder.size() > name ? folder.size() - name : 0);
  if (folder.empty()) folder.assign("this working directory");
  return folder;
}

bool CheckProfilesBesideProgram(DoctorReport* report, const DoctorSetting& setting) {
  const char* check = "profiles";
  DoctorText text;
  if (!IsPrtgSensor(setting)) {
    text.format("a %s run takes its profile from the folder given with the profile name, else "
                "from its working directory (here %s)",
                setting.Monitor->Name, setting.WorkingFolder.c_str());
    ReportOk(report, check, text.c_str());
    return true;
  }
  g_run.ProfileName.assign(kProbeProgram);
  LocateFault fault = LocateProfile();
  g_run.ProfileFile.reset();
  if (fault.kind == LocateFault::kProfileMissing) {
    text.format("a run looks for them %s and finds no %s there: the profiles beside it would be "
                "missing (Error 1002)",
                setting.PrtgPathFile ? "where C:\\PRTG_Path.Txt leads"
                                     : "in the working directory and PRTG's usual EXEXML folders",
                kProbeProgram);
  } else if (fault.kind == LocateFault::kInvalidPathUsage) {
    text.format("a run takes them from %s and ends with \"Sorry, invalid Path-Usage...\"",
                FolderOfRefusedProfile().c_str());
  } else if (!IsSameFolder(g_run.ProfileDirectory.c_str(), setting.ProgramFolder.c_str())) {
    text.format("a run takes them from %s, not from the program folder",
                g_run.ProfileDirectory.c_str());
  } else {
    text.format("a run finds them in %s, the program folder", g_run.ProfileDirectory.c_str());
    ReportOk(report, check, text.c_str());
    return true;
  }
  ReportFault(report, check, text.c_str(), PrtgPathFix(setting).c_str());
  return false;
}

DoctorText MissingProfileFix(const DoctorSetting& setting) {
  DoctorText fix;
  if (IsPrtgSensor(setting)) {
    fix.format("put %s beside %s in %s; a name without an extension gets .P00",
               g_run.ProfileName.c_str(), kProbeProgram, setting.ProgramFolder.c_str());
  } else {
    fix.assign("put it there, or give its folder with the name (D:\\Sensors\\PRD); a name "
               "without an extension gets .P00");
  }
  return fix;
}

bool CheckGivenProfile(DoctorReport* report, const DoctorSetting& setting,
                       const LocateFault& name_fault) {
  const char* check = "profiles";
  LocateFault fault = name_fault.Failed() ? name_fault : LocateProfile();
  if (!fault.Failed() && g_run.ListingRun) {
    // A folder followed by GLOBAL, which the search recognises.
    ReportFault(report, check, "the name is that of the global sensor listing, no system's profile",
                "name one of the profiles it lists");
    return false;
  }
  if (!fault.Failed()) {
    DoctorText text;
    text.format("a run finds %s in %s", g_run.ProfileName.c_str(),
                FolderOfProfile(setting).c_str());
    ReportOk(report, check, text.c_str());
    return true;
  }
  DoctorText fix = fault.kind == LocateFault::kProfileMissing ? MissingProfileFix(setting)
                                                              : PrtgPathFix(setting);
  ReportFault(report, check, LocateFaultMessage(fault).c_str(), fix.c_str());
  return false;
}

// The folder part of a file's path.
FolderPath FolderOf(const char* file) {
  FolderPath folder(file);
  size_t end = 0;
  for (size_t i = 0; i < folder.size(); ++i)
    if (IsSeparator(folder[i])) end = i;
  folder.truncate(end);
  return folder;
}

DoctorText LibraryDescription(const LibraryPath& file) {
  LibraryVersion version = ReadLibraryVersion(file.c_str());
  DoctorText text;
  text.format("%s, %d-bit, ", file.c_str(), kProgramBits);
  if (version.FileVersion.empty()) {
    text.append("no file version");
  } else {
    text.append("file version ");
    text.append(version.FileVersion);
  }
  if (!version.Description.empty()) {
    text.append(" (");
    text.append(version.Description);
    text.append(")");
  }
  text.append(", all twelve functions");
  return text;
}

}  // namespace

DoctorSetting ReadDoctorSetting() {
  DoctorSetting setting;
  setting.ProgramFolder = ProgramFolderPath();
  setting.WorkingFolder = WorkingFolderPath();
  for (const FrontEnd& front_end : DesignatedFrontEnds())
    if (CurrentEnv().ExistsBesideProgram(front_end.MarkerFile)) setting.Monitor = &front_end;
  setting.PrtgPathFile = ConfigFileExists(kPrtgPathFile);
  return setting;
}

FolderPath PrtgProgramDirectoryOf(const char* folder) {
  const char kBelow[] = "\\Custom Sensors\\EXEXML";
  if (!EndsWithIgnoringCase(folder, kBelow)) return FolderPath();
  FolderPath directory(folder);
  directory.truncate(directory.size() - (sizeof kBelow - 1));
  return directory;
}

DoctorText PrtgPathFix(const DoctorSetting& setting) {
  FolderPath prtg = PrtgProgramDirectoryOf(setting.ProgramFolder.c_str());
  DoctorText line;
  if (prtg.empty())
    line.assign("one line naming PRTG's program directory, the folder that holds Custom "
                "Sensors\EXEXML");
  else
    line.format("the one line %s", prtg.c_str());
  DoctorText fix;
  fix.format("%s C:\\PRTG_Path.Txt %s %s (install.md, 4.3)",
             setting.PrtgPathFile ? "let" : "create", setting.PrtgPathFile ? "hold" : "with",
             line.c_str());
  return fix;
}

void CheckProgramFolder(DoctorReport* report, const DoctorSetting& setting) {
  const char* check = "program folder";
  const char* folder = setting.ProgramFolder.c_str();
  DoctorText text;
  DoctorText fix;
  if (!CurrentEnv().ExistsBesideProgram(kProbeProgram)) {
    text.format("%s holds no %s", folder, kProbeProgram);
    fix.format("run the fernwatch-profile that lies beside %s", kProbeProgram);
    ReportFault(report, check, text.c_str(), fix.c_str());
  } else if (IsPrtgSensor(setting) && !IsExeXmlFolder(folder)) {
    text.format("%s is not PRTG's Custom Sensors\\EXEXML folder, the only one from which PRTG "
                "starts EXE/XML sensors",
                folder);
    ReportFault(report, check, text.c_str(),
                "copy the programs and librfc32 into Custom Sensors\\EXEXML below PRTG's program "
                "directory (install.md, 4.1), or designate a front-end (install.md, 9)");
  } else {
    text.format("%s, with %s", folder, kProbeProgram);
    ReportOk(report, check, text.c_str());
  }
}

void CheckFrontEndMarkers(DoctorReport* report, const DoctorSetting& setting) {
  const char* check = "front-end markers";
  const FrontEnd& monitor = *setting.Monitor;
  DoctorText text;
  if (IsPrtgSensor(setting)) {
    text.format("none: PRTG's EXE/XML sensor, %s, table %s", FormName(monitor.Form),
                monitor.SensorTable);
    ReportOk(report, check, text.c_str());
    return;
  }
  DoctorText markers = MarkerFiles();
  const bool several = markers.contains(",");
  text.format("%s: %s %s front-end, %s, table %s", markers.c_str(),
              several ? "the last decides, the" : "the", monitor.Name, FormName(monitor.Form),
              monitor.SensorTable);
  if (!IsExeXmlFolder(setting.ProgramFolder.c_str())) {
    ReportOk(report, check, text.c_str());
    return;
  }
  text.append("; in PRTG's EXEXML folder it makes PRTG's own sensors there read their profiles "
              "from the working directory");
  ReportFault(report, check, text.c_str(),
              "delete the marker, or give the front-end a copy of Fernwatch in a folder of its "
              "own (install.md, 9)");
}

void CheckPrtgPathFile(DoctorReport* report, const DoctorSetting& setting) {
  const char* check = kPrtgPathFile;
  DoctorText text;
  if (!IsPrtgSensor(setting)) {
    text.format("plays no part: the %s front-end is designated", setting.Monitor->Name);
    ReportOk(report, check, text.c_str());
    return;
  }
  if (!setting.PrtgPathFile) {
    ReportFault(report, check,
                "not there: where a run looks for its profiles depends on the working directory "
                "PRTG gives it",
                PrtgPathFix(setting).c_str());
    return;
  }
  ConfigPath directory = PrtgPathDirectory();
  if (!IsFolder(directory.c_str())) {
    text.format("leads to %s, which is no folder", directory.c_str());
    ReportFault(report, check, text.c_str(), PrtgPathFix(setting).c_str());
    return;
  }
  text.format("leads to %s", directory.c_str());
  ReportOk(report, check, text.c_str());
}

bool CheckProfileLocation(DoctorReport* report, const DoctorSetting& setting,
                          const LocateFault* given_name) {
  if (given_name == nullptr) return CheckProfilesBesideProgram(report, setting);
  return CheckGivenProfile(report, setting, *given_name);
}

bool CheckRfcLibrary(DoctorReport* report, const DoctorSetting& setting) {
  const char* check = "librfc32";
  LibraryFault fault = LoadRfcLibrary();
  if (fault.Kind != LibraryFaultKind::kNone) {
    ReportFault(report, check, RfcLibraryFaultMessage(fault).c_str(), "");
    return false;
  }
  LibraryPath file = LibraryFileOf(reinterpret_cast<LibraryFunction>(RfcLibrary().RfcOpen));
  DoctorText text = LibraryDescription(file);
  FolderPath folder = FolderOf(file.c_str());
  // Windows searches the working directory too, but PRTG's polls start in
  // their own.
  if (!file.empty() && !IsSameFolder(folder.c_str(), setting.ProgramFolder.c_str()) &&
      IsSameFolder(folder.c_str(), setting.WorkingFolder.c_str())) {
    text.append("; found in this working directory only, which PRTG's polls may not share");
    DoctorText fix;
    fix.format("put it beside %s in %s", kProbeProgram, setting.ProgramFolder.c_str());
    ReportFault(report, check, text.c_str(), fix.c_str());
    return true;
  }
  ReportOk(report, check, text.c_str());
  return true;
}

void CheckWorkingDirectory(DoctorReport* report, const DoctorSetting& setting) {
  const char* check = "working directory";
  // A file of the doctor's own, removed again; one of that name that was
  // there before is left as it was.
  const char kTrial[] = "Fernwatch-doctor.tmp";
  const bool existed = CurrentEnv().FileSize(kTrial) >= 0;
  const bool writable = CurrentEnv().OpenAppend(kTrial) != nullptr;
  if (writable && !existed) CurrentEnv().RemoveFile(kTrial);
  DoctorText text;
  if (writable) {
    text.format("%s, where a poll can write SapRfc.ini and the library its Dev_Rfc.Trc; PRTG's "
                "own working directory may differ (install.md, 4.7)",
                setting.WorkingFolder.c_str());
    ReportOk(report, check, text.c_str());
    return;
  }
  text.format("%s cannot be written: a poll from here could not write SapRfc.ini, nor the "
              "library its Dev_Rfc.Trc",
              setting.WorkingFolder.c_str());
  ReportFault(report, check, text.c_str(),
              "run polls from a folder this account may write to; PRTG's own working directory "
              "may differ (install.md, 4.7)");
}

}  // namespace fernwatch
