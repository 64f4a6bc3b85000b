// Opening a connection: finding the system the route names, the faults of
// its open, and the logon checks.
#include <string>

#include "rfcsim/landscape_file.h"
#include "rfcsim/host_os.h"
#include "rfcsim/library_calls.h"
#include "rfcsim/records.h"
#include "rfcsim/routes.h"
#include "rfcsim/state.h"
#include "rfcsim/text.h"

namespace rfcsim {

namespace {

struct OpenRequest {
  const char* operation;  // RfcOpen or RfcOpenEx, for the error details
  std::string destination;
  bool routed = false;
  Route route;
  std::string partner;  // how a refused open names what it tried to reach
  std::string client;
  std::string user;
  std::string password;
  RFC_ERROR_INFO_EX* details = nullptr;
};

RFC_HANDLE Refuse(const OpenRequest& request, const std::string& text, bool logon) {
  TraceError(logon ? TraceLine::kHighlight : TraceLine::kError, text);
  SetLastError(logon ? "RFC_ERROR_LOGON_FAILURE" : "RFC_ERROR_COMMUNICATION",
               logon ? "LOGON_FAILURE" : "CONNECT_FAILED", text, request.operation);
  if (request.details != nullptr) {
    request.details->group = logon ? RFC_ERROR_LOGON_FAILURE : RFC_ERROR_COMMUNICATION;
    CopyBounded(request.details->key, sizeof request.details->key,
                logon ? "RFC_ERROR_LOGON_FAILURE" : "RFC_ERROR_COMMUNICATION");
    CopyBounded(request.details->message, sizeof request.details->message, text);
  }
  return 0;
}

RFC_HANDLE RefuseUnreached(const OpenRequest& request, const std::string& text) {
  return Refuse(request, text.empty() ? "partner '" + request.partner + "' not reached" : text,
                false);
}

RFC_HANDLE RefuseLogon(const OpenRequest& request, const std::string& text) {
  return Refuse(request, text.empty() ? "Name or password is incorrect (repeat logon)" : text,
                true);
}

bool Reaches(const SimSystem& system, const Route& route) {
  if (route.gateway) {
    return !system.gwhost.empty() && EqualsIgnoringCase(system.gwhost, route.gwhost) &&
           EqualsIgnoringCase(system.gwserv, route.gwserv);
  }
  return !system.ashost.empty() && EqualsIgnoringCase(system.ashost, route.host) &&
         system.sysnr == route.sysnr;
}

// A system without clients or logons accepts any.
bool LogonAccepted(const SimSystem& system, const OpenRequest& request) {
  std::string client = TrimRight(request.client);
  bool client_known = system.clients.empty();
  for (const std::string& known : system.clients) client_known = client_known || known == client;
  if (!client_known) return false;
  if (system.logons.empty()) return true;
  std::string user = TrimRight(request.user);
  std::string password = TrimRight(request.password);
  for (const Logon& logon : system.logons) {
    if (EqualsIgnoringCase(logon.user, user) && logon.password == password) return true;
  }
  return false;
}

const Fault* OpenFault(const SimSystem& system) {
  for (const Fault& fault : system.faults) {
    if (EqualsIgnoringCase(fault.point, "open")) return &fault;
  }
  return nullptr;
}

RFC_HANDLE OpenSystem(const OpenRequest& request) {
  if (!request.routed) return RefuseUnreached(request, "");
  const SimSystem* system = nullptr;
  for (const SimSystem& candidate : CurrentLandscape().systems) {
    if (system == nullptr && Reaches(candidate, request.route)) system = &candidate;
  }
  if (system == nullptr) return RefuseUnreached(request, "");
  WaitMilliseconds(system->open_delay_ms);
  if (const Fault* fault = OpenFault(*system)) {
    if (fault->kind == FaultKind::kHang) WaitForever();
    if (fault->kind == FaultKind::kRefused) return RefuseUnreached(request, fault->text);
    if (fault->kind == FaultKind::kLogon) return RefuseLogon(request, fault->text);
    // The handler may end the process: the failure is on record before.
    std::string text = fault->text.empty() ? "RfcOpen" : fault->text;
    Refuse(request, text, false);
    CallErrorHandler(text);
    return 0;
  }
  if (!LogonAccepted(*system, request)) return RefuseLogon(request, "");
  State& state = TheState();
  RFC_HANDLE handle = state.next_handle++;
  Connection& connection = state.connections[handle];
  connection.system = *system;
  connection.destination = request.destination;
  connection.route = request.route;
  return handle;
}

std::string OpenJournalLine(const RFC_OPTIONS& options) {
  std::string line = "RfcOpen mode=" + std::to_string(static_cast<int>(options.mode)) +
                     " destination=" + Quoted(options.destination) +
                     " client=" + Quoted(options.client) + " user=" + Quoted(options.user) +
                     " password=" + Quoted(options.password) +
                     " language=" + Quoted(options.language);
  if (options.connopt == nullptr) return line + " connopt=(null)";
  if (options.mode == RFC_MODE_CPIC) {
    const RFC_CONNOPT_CPIC* cpic = static_cast<const RFC_CONNOPT_CPIC*>(options.connopt);
    return line + " gwhost=" + Quoted(cpic->gateway_host) +
           " gwservice=" + Quoted(cpic->gateway_service);
  }
  const RFC_CONNOPT_R3ONLY* r3 = static_cast<const RFC_CONNOPT_R3ONLY*>(options.connopt);
  return line + " host=" + Quoted(r3->hostname) + " sysnr=" + std::to_string(r3->sysnr) +
         " gwhost=" + Quoted(r3->gateway_host) + " gwservice=" + Quoted(r3->gateway_service);
}

// The route of RfcOpen's records: the gateway in R/2 mode, else the
// application server, which needs a host name.
void RouteOfOptions(const RFC_OPTIONS& options, OpenRequest* request) {
  Route& route = request->route;
  if (options.mode == RFC_MODE_CPIC) {
    const RFC_CONNOPT_CPIC* cpic = static_cast<const RFC_CONNOPT_CPIC*>(options.connopt);
    route.gateway = true;
    if (cpic != nullptr) {
      route.gwhost = TextOf(cpic->gateway_host);
      route.gwserv = TextOf(cpic->gateway_service);
    }
    request->routed = !route.gwhost.empty();
  } else {
    const RFC_CONNOPT_R3ONLY* r3 = static_cast<const RFC_CONNOPT_R3ONLY*>(options.connopt);
    if (r3 != nullptr) {
      route.host = TextOf(r3->hostname);
      route.sysnr = r3->sysnr;
    }
    request->routed = !route.host.empty();
  }
  request->partner = PartnerName(route);
}

}  // namespace

RFC_HANDLE Open(RFC_OPTIONS* options) {
  ReadLandscape();
  OpenRequest request;
  request.operation = "RfcOpen";
  if (options == nullptr) {
    Journal("RfcOpen (null)");
    return RefuseUnreached(request, "");
  }
  Journal(OpenJournalLine(*options));
  request.destination = TextOf(options->destination);
  request.client = TextOf(options->client);
  request.user = TextOf(options->user);
  request.password = TextOf(options->password);
  RouteOfOptions(*options, &request);
  return OpenSystem(request);
}

RFC_HANDLE OpenEx(rfc_char_t* connect_param, RFC_ERROR_INFO_EX* error_info) {
  ReadLandscape();
  OpenRequest request;
  request.operation = "RfcOpenEx";
  request.details = error_info;
  Journal("RfcOpenEx " + Quoted(connect_param));
  ConnectString settings = ParseConnectString(TextOf(connect_param));
  request.destination = settings.dest;
  request.client = settings.client;
  request.user = settings.user;
  request.password = settings.passwd;
  if (settings.has_dest) {
    std::string saprfc_ini;
    request.routed = ReadWholeFile("SapRfc.ini", &saprfc_ini) &&
                     FindDestination(saprfc_ini, settings.dest, &request.route);
    request.partner = request.routed ? PartnerName(request.route) : settings.dest;
  } else {
    request.routed = MakeRoute(settings.ashost, settings.sysnr, settings.gwhost, settings.gwserv,
                               &request.route);
    request.partner = PartnerName(request.route);
  }
  return OpenSystem(request);
}

}  // namespace rfcsim
