// RfcSim.ini in the working directory: parsed at the first need, and again
// only when the file has changed since, so that an edit between the opens
// of one process is seen without reading an unchanged file every time.
#ifndef FERNWATCH_RFCSIM_LANDSCAPE_FILE_H_
#define FERNWATCH_RFCSIM_LANDSCAPE_FILE_H_

#include <memory>

#include "rfcsim/landscape.h"

namespace rfcsim {

// Brings the landscape up to date with RfcSim.ini (every open calls this):
// parses the file again when it is another file, has another size or other
// times, or may have been rewritten too recently for its times to show it
// and holds other bytes. Without the file the landscape is empty. Names each
// unreadable line in the trace file the first time it is met.
void RefreshLandscape();

// The landscape of the last reading, reading once if nothing has been read
// yet. Connections hold it, so a later reading leaves theirs alone.
std::shared_ptr<const Landscape> CurrentLandscape();

// The library's settings from the last reading, reading once if nothing has
// been read yet.
const LibrarySettings& Settings();

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_LANDSCAPE_FILE_H_
