// What the two forms of the listing file share: their lines and the system
// values they add to the SystemList.
#ifndef FERNWATCH_CONFIG_LISTING_LINES_H_
#define FERNWATCH_CONFIG_LISTING_LINES_H_

#include <memory>
#include <string>

#include "config/listing_file.h"
#include "platform/env.h"

namespace fernwatch {

// A line of a listing file, read whole: a system value may name any number
// of systems, and no line is judged in pieces.
using ListingLine = std::string;

// Opens the located listing file; null when none was located or it cannot
// be opened.
std::unique_ptr<InputFile> OpenListingFile();

// Appends the system value of `line` (column 21 to the end) to the
// SystemList.
void AppendSystemValue(const ListingLine& line);

// The global sensor listing "SAP Lodestar.Gbl": systems, item, parameters
// and label kind of the sensor named by the first word of the argument text.
ListingFault ReadSensorListing();

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_LISTING_LINES_H_
