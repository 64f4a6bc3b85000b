// The search of PRTG's custom-sensor directory for the start file.
#include <string>

#include "config/locate_steps.h"
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

// The blanks and tabs after a path ("echo C:\PRTG > C:\PRTG_Path.Txt"
// writes one) belong to no directory name, nor does a carriage return left
// of a line end. A zero byte ends the text.
std::string WithoutTrailingBlanks(const std::string& line) {
  std::string text = line.substr(0, line.find('\0'));
  return text.substr(0, text.find_last_not_of(" \t\r") + 1);
}

// A line is judged in pieces of 99 characters, each as a line of its own;
// a piece that looks like a path replaces the directory.
void JudgeLine(const std::string& line, ConfigPath* directory) {
  const std::string text = WithoutTrailingBlanks(line);
  for (size_t at = 0; at < text.size(); at += PrtgPathLine::kCapacity) {
    PrtgPathLine piece;
    piece.assign(text.c_str() + at, PrtgPathLine::kCapacity);
    if (LooksLikePath(piece)) directory->assign(piece);
  }
}

// The last line of C:\PRTG_Path.Txt that looks like a path, ending in a
// backslash (a lone backslash when there is none). False when the file
// does not open.
bool ReadPrtgPathFile(ConfigPath* directory) {
  std::string text;
  if (!ReadPrtgPathText(kPrtgPathFile, &text)) return false;
  for (size_t at = 0; at < text.size();) {
    size_t end = text.find('\n', at);
    if (end == text.npos) end = text.size();
    JudgeLine(text.substr(at, end - at), directory);
    at = end + 1;
  }
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
