// How the stand-in library finds the system of a connection string: the
// string the probe builds from a profile read back by the library, and the
// destination looked up in SapRfc.ini. The input is the client, the user,
// the password and the destination, each ended by a zero byte, and then
// the text of SapRfc.ini. Values without blanks come back as the probe
// wrote them.
#include <string>

#include "fuzz/fuzz_support.h"
#include "rfc/connection_records.h"
#include "rfcsim/routes.h"

namespace fernwatch {
namespace {

bool HasBlanks(const char* value) {
  return std::string(value).find_first_of(" \t\r\n") != std::string::npos;
}

void ExpectReadBack(const SystemProfile& profile, const rfcsim::ConnectString& settings) {
  if (HasBlanks(profile.Client.c_str()) || HasBlanks(profile.User.c_str()) ||
      HasBlanks(profile.Password.c_str()) || HasBlanks(profile.Destination.c_str()))
    return;
  FuzzExpect(settings.client == profile.Client.c_str() && settings.user == profile.User.c_str() &&
                 settings.passwd == profile.Password.c_str(),
             "the library reads the logon the probe wrote");
  FuzzExpect(settings.has_dest && settings.dest == profile.Destination.c_str(),
             "the library reads the destination the probe wrote");
}

}  // namespace
}  // namespace fernwatch

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace fernwatch;
  FuzzRun run;
  FuzzInput input(data, size);
  SystemProfile& profile = g_run.Profile;
  profile.Client.assign(input.NextPart().c_str());
  profile.User.assign(input.NextPart().c_str());
  profile.Password.assign(input.NextPart().c_str());
  profile.Destination.assign(input.NextPart().c_str());
  const std::string saprfc_ini = input.Rest();

  FixedText<1023> text = ConnectionString();
  rfcsim::ConnectString settings = rfcsim::ParseConnectString(text.c_str());
  ExpectReadBack(profile, settings);
  rfcsim::Route route;
  if (rfcsim::FindDestination(saprfc_ini, settings.dest, &route)) rfcsim::PartnerName(route);
  // The library reads whatever string it is given, not only the probe's.
  rfcsim::ParseConnectString(saprfc_ini);
  return 0;
}
