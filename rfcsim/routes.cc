#include "rfcsim/routes.h"

#include <cstdio>
#include <vector>

#include "rfcsim/text.h"

namespace rfcsim {

namespace {

const char* const kConnectKeys[] = {"CLIENT", "USER",   "PASSWD", "LANG",   "DEST",
                                    "ASHOST", "SYSNR",  "GWHOST", "GWSERV", "TYPE",
                                    "TRACE",  "ABAP_DEBUG", "USE_SAPGUI"};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The known keyword that starts at `at` ("USER="), or null.
const char* KeywordAt(const std::string& text, size_t at) {
  if (at > 0 && !IsSpace(text[at - 1])) return nullptr;
  for (const char* key : kConnectKeys) {
    std::string name(key);
    if (text.size() > at + name.size() && text[at + name.size()] == '=' &&
        EqualsIgnoringCase(text.substr(at, name.size()), name)) {
      return key;
    }
  }
  return nullptr;
}

int SysnrValue(const std::string& text) {
  long number = 0;
  if (text.empty()) return 0;
  return ParseNumber(text, 99, &number) ? static_cast<int>(number) : -1;
}

}  // namespace

ConnectString ParseConnectString(const std::string& text) {
  struct Found {
    const char* key;
    size_t value_start;
  };
  std::vector<Found> found;
  for (size_t at = 0; at < text.size(); ++at) {
    const char* key = KeywordAt(text, at);
    if (key == nullptr) continue;
    size_t value_start = at + std::string(key).size() + 1;
    found.push_back({key, value_start});
    at = value_start - 1;
  }
  ConnectString result;
  for (size_t i = 0; i < found.size(); ++i) {
    size_t end = i + 1 < found.size() ? found[i + 1].value_start - std::string(found[i + 1].key).size() - 1
                                      : text.size();
    std::string value = text.substr(found[i].value_start, end - found[i].value_start);
    while (!value.empty() && IsSpace(value.back())) value.pop_back();
    std::string key = found[i].key;
    if (key == "CLIENT") result.client = value;
    else if (key == "USER") result.user = value;
    else if (key == "PASSWD") result.passwd = value;
    else if (key == "LANG") result.lang = value;
    else if (key == "DEST") { result.dest = value; result.has_dest = true; }
    else if (key == "ASHOST") result.ashost = value;
    else if (key == "SYSNR") result.sysnr = value;
    else if (key == "GWHOST") result.gwhost = value;
    else if (key == "GWSERV") result.gwserv = value;
  }
  return result;
}

bool FindDestination(const std::string& saprfc_ini, const std::string& destination,
                     Route* route) {
  bool inside = false;
  bool seen = false;
  std::string ashost, sysnr, gwhost, gwserv;
  size_t at = 0;
  while (at < saprfc_ini.size()) {
    while (at < saprfc_ini.size() && IsSpace(saprfc_ini[at])) ++at;
    size_t end = at;
    while (end < saprfc_ini.size() && !IsSpace(saprfc_ini[end])) ++end;
    std::string setting = saprfc_ini.substr(at, end - at);
    at = end;
    size_t equals = setting.find('=');
    if (equals == std::string::npos) continue;
    std::string key = ToUpper(setting.substr(0, equals));
    std::string value = setting.substr(equals + 1);
    if (key == "DEST") {
      if (seen) break;  // the entry ends where the next begins
      inside = seen = value == destination;
    } else if (inside) {
      if (key == "ASHOST") ashost = value;
      else if (key == "SYSNR") sysnr = value;
      else if (key == "GWHOST") gwhost = value;
      else if (key == "GWSERV") gwserv = value;
    }
  }
  return seen && MakeRoute(ashost, sysnr, gwhost, gwserv, route);
}

bool MakeRoute(const std::string& ashost, const std::string& sysnr, const std::string& gwhost,
               const std::string& gwserv, Route* route) {
  if (!ashost.empty()) {
    route->gateway = false;
    route->host = ashost;
    route->sysnr = SysnrValue(sysnr);
    return true;
  }
  if (!gwhost.empty()) {
    route->gateway = true;
    route->gwhost = gwhost;
    route->gwserv = gwserv;
    return true;
  }
  return false;
}

std::string PartnerName(const Route& route) {
  if (route.gateway) return route.gwhost + ":" + route.gwserv;
  char number[16];
  std::snprintf(number, sizeof number, "%02d", route.sysnr);
  return route.host + ":" + number;
}

}  // namespace rfcsim
