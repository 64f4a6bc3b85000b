// The steps of locating the start file, shared between the files of the
// profile search.
#ifndef FERNWATCH_CONFIG_LOCATE_STEPS_H_
#define FERNWATCH_CONFIG_LOCATE_STEPS_H_

#include <memory>
#include <string>

#include "config/config_path.h"
#include "platform/env.h"

namespace fernwatch {

// Moves a directory part of ProfileName into ProfileDirectory and
// recognises the global listing in the rest.
void SplitProfileDirectory();

// The text of the file that names the PRTG installation, decoded whole as
// the tools that write it mean it: without a UTF-8 byte-order mark; a
// UTF-16LE file with its mark (PowerShell's ">") in the narrow code page of
// path texts (Env::NarrowFromUtf16); then as Windows text mode reads it:
// CR LF as LF, a Ctrl-Z ending the text. False when the file does not open.
bool ReadPrtgPathText(const char* path, std::string* text);

// Searches ProfileName in the PRTG custom-sensor directories: the one
// named by C:\PRTG_Path.Txt, else the built-in candidates. Returns the
// file open, with its directory in `directory`; null when it is in none.
std::unique_ptr<InputFile> SearchPrtgDirectories(ConfigPath* directory);

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_LOCATE_STEPS_H_
