// The records handed to RfcOpen: open options, R/3 options and gateway
// options, refilled from the current system's profile for every open. They
// are kept in the RFC layer's state, so that they live as long as the
// library may read them.
#ifndef FERNWATCH_RFC_CONNECTION_RECORDS_H_
#define FERNWATCH_RFC_CONNECTION_RECORDS_H_

#include "fixed_text.h"
#include "rfc/rfc_library.h"
#include "run_state.h"

namespace fernwatch {

// The records and the texts they point at. The library reads them during
// the open only.
struct ConnectionRecords {
  decltype(SystemProfile::Destination) Destination;
  decltype(SystemProfile::Client) Client;
  // Whole profile values and their padding: never cut.
  decltype(SystemProfile::User) User;
  decltype(SystemProfile::Password) Password;
  decltype(SystemProfile::Language) Language;
  ArgumentLine Hostname;  // the profile's, or the one typed as an override
  decltype(SystemProfile::Gwhost) GatewayHost;
  decltype(SystemProfile::Gwservice) GatewayService;
  RFC_OPTIONS OpenOptions = {};
  RFC_CONNOPT_R3ONLY R3Options = {};
  RFC_CONNOPT_CPIC GatewayOptions = {};
};

// Fills the layer's ConnectionRecords anew and returns the open options;
// their connection options point at the R/3 record, or at the gateway
// record in R/2 mode. With a host or system number override in the
// argument text the R/3 record carries no gateway. Remembers the system
// number in LastSysnr.
RFC_OPTIONS* FillConnectionRecords();

// "CLIENT=... USER=... PASSWD=... LANG=D DEST=..." for RfcOpenEx: user and
// password as the profile holds them, without the padding of the records.
FixedText<1023> ConnectionString();

}  // namespace fernwatch

#endif  // FERNWATCH_RFC_CONNECTION_RECORDS_H_
