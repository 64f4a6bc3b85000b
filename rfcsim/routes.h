// How an open names the system it wants: the route (host and system number,
// or gateway) and the logon, from RfcOpen's records, from a connection
// string, or from a destination of SapRfc.ini.
#ifndef FERNWATCH_RFCSIM_ROUTES_H_
#define FERNWATCH_RFCSIM_ROUTES_H_

#include <string>

namespace rfcsim {

struct Route {
  bool gateway = false;  // R/2: reached through gwhost and gwserv
  std::string host;      // R/3 application server host
  int sysnr = 0;
  std::string gwhost;
  std::string gwserv;
};

// The settings of a connection string ("CLIENT=100 USER=MONITOR ..."). A
// value runs up to the blank before the next known keyword, so it may hold
// blanks of its own.
struct ConnectString {
  std::string client;
  std::string user;
  std::string passwd;
  std::string lang;
  std::string dest;
  bool has_dest = false;
  // A route given in the string itself, used when there is no DEST=.
  std::string ashost;
  std::string sysnr;
  std::string gwhost;
  std::string gwserv;
};

ConnectString ParseConnectString(const std::string& text);

// Looks up `destination` in the text of a SapRfc.ini: the entry that begins
// with DEST=<destination> and its settings up to the next DEST=. False when
// there is no such entry or it names neither ASHOST= nor GWHOST=.
bool FindDestination(const std::string& saprfc_ini, const std::string& destination,
                     Route* route);

// A route from ASHOST/SYSNR or GWHOST/GWSERV values; false when neither
// host is given.
bool MakeRoute(const std::string& ashost, const std::string& sysnr, const std::string& gwhost,
               const std::string& gwserv, Route* route);

// "host:sysnr" or "gwhost:gwserv", as failed opens name their partner.
std::string PartnerName(const Route& route);

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_ROUTES_H_
