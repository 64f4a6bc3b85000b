// What the two forms of the listing file share: their lines, the system
// values they add to the SystemList, and their failures.
#ifndef FERNWATCH_CONFIG_LISTING_LINES_H_
#define FERNWATCH_CONFIG_LISTING_LINES_H_

#include <memory>

#include "fixed_text.h"
#include "platform/env.h"

namespace fernwatch {

using ListingLine = FixedText<199>;

// Opens the located listing file; null when none was located or it cannot
// be opened.
std::unique_ptr<InputFile> OpenListingFile();

// Appends the system value of `line` (column 21 to the end) to the
// SystemList.
void AppendSystemValue(const ListingLine& line);

// The error document for the message before + middle + after; ends the run.
[[noreturn]] void FailListing(const char* before, const char* middle, const char* after);

// The global sensor listing "SAP Lodestar.Gbl": systems, item, parameters
// and label kind of the sensor named by the first word of the argument text.
void ReadSensorListing();

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_LISTING_LINES_H_
