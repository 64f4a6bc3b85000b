// The listing files of a listing run: "Lodestar.Prf" (runs for an item) and the
// global sensor listing "SAP Lodestar.Gbl".
#ifndef FERNWATCH_CONFIG_LISTING_FILE_H_
#define FERNWATCH_CONFIG_LISTING_FILE_H_

namespace fernwatch {

// Fills SystemList, ItemId, LabelKind, SensorFound and (global form)
// ParameterText, or ends the run with Error 1024, 10x1, 1025, 1026, 1029
// or 1030.
void ReadSystemListing();

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_LISTING_FILE_H_
