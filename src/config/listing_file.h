// The listing files of a listing run: "Lodestar.Prf" (runs for an item) and
// the global sensor listing "SAP Lodestar.Gbl".
#ifndef FERNWATCH_CONFIG_LISTING_FILE_H_
#define FERNWATCH_CONFIG_LISTING_FILE_H_

#include "config/config_fault.h"

namespace fernwatch {

// Why a listing file does not serve the run.
struct ListingFault {
  enum Kind {
    kNone,
    kSystemListMissing,        // Error 1024, naming "Lodestar.Prf"
    kSensorListingMissing,     // Error 10x1, naming the global listing
    kServerListingMissing,     // Error 1025: no system listed
    kItemMissing,              // Error 1026
    kInvalidSensorAllocation,  // Error 1029
    kSensorNotFound,           // Error 1030, naming the sensor as typed
  };

  ListingFault() = default;
  explicit ListingFault(Kind fault_kind, const char* named = "")
      : kind(fault_kind), subject(named) {}
  bool Failed() const { return kind != kNone; }

  Kind kind = kNone;
  FaultSubject subject;  // the listing file's name, or the sensor
};

// The text of the error document for `fault`; empty for none.
FaultMessage ListingFaultMessage(const ListingFault& fault);

// Fills SystemList, ItemId, SystemLabels and (global form)
// ParameterText from the listing file located at start.
ListingFault ReadSystemListing();

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_LISTING_FILE_H_
