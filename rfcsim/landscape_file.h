// RfcSim.ini in the working directory, read afresh at every open, so that
// an edit between two opens of one process, such as between the systems of
// one listing run, is seen at the next open.
#ifndef FERNWATCH_RFCSIM_LANDSCAPE_FILE_H_
#define FERNWATCH_RFCSIM_LANDSCAPE_FILE_H_

#include "rfcsim/landscape.h"

namespace rfcsim {

// Reads RfcSim.ini and makes what it says the current landscape (every open
// calls this). Without the file the landscape is empty. Names each
// unreadable line in the trace file the first time it is met.
void ReadLandscape();

// The landscape of the last reading, reading once if nothing has been read
// yet. Good until the next reading: a connection keeps a copy of its system.
const Landscape& CurrentLandscape();

// The library's settings from the last reading, reading once if nothing has
// been read yet.
const LibrarySettings& Settings();

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_LANDSCAPE_FILE_H_
