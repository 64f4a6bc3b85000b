#include "rfc/connection_records.h"

#include "argument_keywords.h"
#include "rfc/decimal_value.h"
#include "rfc/rfc_state.h"
#include "run_state.h"

namespace fernwatch {
namespace {

// The library expects these widths; longer values are handed over whole,
// since a cut user or password would only fail its logon.
constexpr size_t kUserWidth = 12;
constexpr size_t kPasswordWidth = 10;

static_assert(decltype(ConnectionRecords::User)::kCapacity >= kUserWidth, "user copy too short");
static_assert(decltype(ConnectionRecords::Password)::kCapacity >= kPasswordWidth,
              "password copy too short");

template <size_t N>
void PadWithBlanks(FixedText<N>* text, size_t width) {
  while (text->size() < width) text->append_char(' ');
}

// The library's records carry non-const pointers; it only reads them.
template <size_t N>
rfc_char_t* LibraryText(FixedText<N>& text) {
  return const_cast<rfc_char_t*>(text.c_str());
}
template <size_t N>
rfc_char_t* LibraryTextOrNull(FixedText<N>& text) {
  return text.empty() ? nullptr : LibraryText(text);
}

// The override's value where one is typed, the profile's value otherwise.
void ChooseHostname(ConnectionRecords* records) {
  ArgumentLine typed;
  if (HostOverride(&typed)) {
    records->Hostname = typed;
  } else {
    records->Hostname.assign(g_run.Profile.Hostname);
  }
}

// An empty system number override sets no number: the previous
// connection's stays.
int ChooseSysnr() {
  ArgumentLine typed;
  if (!SysnrOverride(&typed)) return DecimalValue(g_run.Profile.Sysnr.c_str());
  if (typed.empty()) return RfcState().LastSysnr;
  return DecimalValue(typed.c_str());
}

// A typed host or system number names another application server: its own
// gateway serves it, which the library finds when none is passed.
bool NamesAnotherServer() {
  ArgumentLine typed;
  return HostOverride(&typed) || SysnrOverride(&typed);
}

void FillTexts(ConnectionRecords* records) {
  const SystemProfile& profile = g_run.Profile;
  records->Destination.assign(profile.Destination);
  records->Client.assign(profile.Client);
  records->User.assign(profile.User);
  PadWithBlanks(&records->User, kUserWidth);
  records->Password.assign(profile.Password);
  PadWithBlanks(&records->Password, kPasswordWidth);
  records->Language.assign(profile.Language);
  ChooseHostname(records);
  records->GatewayHost.assign(profile.Gwhost);
  records->GatewayService.assign(profile.Gwservice);
}

}  // namespace

FixedText<1023> ConnectionString() {
  const SystemProfile& profile = g_run.Profile;
  FixedText<1023> text;
  text.format("CLIENT=%s USER=%s PASSWD=%s LANG=D DEST=%s", profile.Client.c_str(),
              profile.User.c_str(), profile.Password.c_str(), profile.Destination.c_str());
  return text;
}

RFC_OPTIONS* FillConnectionRecords() {
  ConnectionRecords& records = RfcState().Connection;
  FillTexts(&records);

  RFC_CONNOPT_CPIC& gateway = records.GatewayOptions;
  gateway.gateway_host = LibraryTextOrNull(records.GatewayHost);
  gateway.gateway_service = LibraryTextOrNull(records.GatewayService);

  RFC_CONNOPT_R3ONLY& r3 = records.R3Options;
  r3.hostname = LibraryTextOrNull(records.Hostname);
  r3.sysnr = ChooseSysnr();
  bool own_gateway = NamesAnotherServer();
  r3.gateway_host = own_gateway ? nullptr : gateway.gateway_host;
  r3.gateway_service = own_gateway ? nullptr : gateway.gateway_service;
  RfcState().LastSysnr = r3.sysnr;

  bool r2 = g_run.Profile.Mode.equals("R/2");
  RFC_OPTIONS& options = records.OpenOptions;
  options.destination = LibraryText(records.Destination);
  options.mode = r2 ? RFC_MODE_CPIC : RFC_MODE_R3ONLY;
  options.connopt = r2 ? static_cast<void*>(&gateway) : &r3;
  options.client = LibraryText(records.Client);
  options.user = LibraryText(records.User);
  options.password = LibraryText(records.Password);
  options.language = LibraryText(records.Language);
  options.trace = 0;
  return &options;
}

}  // namespace fernwatch
