// The steps of locating the start file, shared between the files of the
// profile search.
#ifndef FERNWATCH_CONFIG_LOCATE_STEPS_H_
#define FERNWATCH_CONFIG_LOCATE_STEPS_H_

#include <memory>

#include "config/config_path.h"
#include "platform/env.h"

namespace fernwatch {

// Moves a directory part of ProfileName into ProfileDirectory and
// recognises the global listing in the rest.
void SplitProfileDirectory();

// Searches ProfileName in the PRTG custom-sensor directories: the one
// named by C:\PRTG_Path.Txt, else the built-in candidates. Returns the
// file open, with its directory in `directory`; null when it is in none.
std::unique_ptr<InputFile> SearchPrtgDirectories(ConfigPath* directory);

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_LOCATE_STEPS_H_
