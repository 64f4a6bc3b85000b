// The search of PRTG's custom-sensor directory for the start file.
#include "config/locate_steps.h"
#include "config/text_line.h"
#include "run_state.h"

namespace fernwatch {
namespace {

const char kPrtgPathFile[] = "C:\\PRTG_Path.Txt";
const char kBelowInstallParent[] = "PRTG Network Monitor\\Custom Sensors\\ExeXml\\";
const char kBelowInstall[] = "Custom Sensors\\ExeXml\\";
const char* const kCandidateDirectories[] = {
    "",
    "\\Programme\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\",
    "\\Program Files\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\",
    "\\Program Files (x86)\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\",
};

// A directory of at most 99 + 1 characters, both descents and a name of 63
// stay well inside a ConfigPath: nothing here is ever cut.
using PrtgPathLine = FixedText<99>;

bool LooksLikePath(const PrtgPathLine& line) {
  return line[0] == '\\' || line[2] == '\\' || line[1] == ':';
}

// The last line of C:\PRTG_Path.Txt that looks like a path, ending in a
// backslash (a lone backslash when there is none). False when the file
// does not open.
bool ReadPrtgPathFile(ConfigPath* directory) {
  std::unique_ptr<InputFile> file = OpenConfigFile(kPrtgPathFile);
  if (file == nullptr) return false;
  PrtgPathLine line;
  while (ReadTextLine(*file, &line))
    if (LooksLikePath(line)) directory->assign(line);
  file.reset();
  if (directory->empty() || (*directory)[directory->size() - 1] != '\\')
    directory->append_char('\\');
  return true;
}

void DescendIfProfileBelow(ConfigPath* directory, const char* part) {
  if (ConfigFileExists(JoinPath(directory->c_str(), part, g_run.ProfileName.c_str()).c_str()))
    directory->append(part);
}

}  // namespace

std::unique_ptr<InputFile> SearchPrtgDirectories(ConfigPath* directory) {
  const char* name = g_run.ProfileName.c_str();
  directory->clear();
  if (ReadPrtgPathFile(directory)) {
    DescendIfProfileBelow(directory, kBelowInstallParent);
    DescendIfProfileBelow(directory, kBelowInstall);
    std::unique_ptr<InputFile> file = OpenConfigFile(JoinPath(directory->c_str(), name).c_str());
    return file;
  }
  for (const char* candidate : kCandidateDirectories) {
    std::unique_ptr<InputFile> file = OpenConfigFile(JoinPath(candidate, name).c_str());
    if (file == nullptr) continue;
    directory->assign(candidate);
    return file;
  }
  return nullptr;
}

}  // namespace fernwatch
