#include "rfc/connection_records.h"

#include <cstring>

#include "app/run_state.h"
#include "rfc/decimal_value.h"

namespace fernwatch {
namespace {

// The library expects these widths; longer values are handed over whole,
// since a cut user or password would only fail its logon.
constexpr size_t kUserWidth = 12;
constexpr size_t kPasswordWidth = 10;

// What the records point at. They live as long as the process, as the
// records do, and are rewritten by every open.
struct RecordTexts {
  FixedText<11> destination;
  FixedText<11> client;
  // Whole profile values and their padding: never cut.
  decltype(SystemProfile::User) user;
  decltype(SystemProfile::Password) password;
  FixedText<31> language;
  FixedText<127> hostname;
  FixedText<60> gateway_host;
  FixedText<31> gateway_service;
};

static_assert(decltype(RecordTexts::user)::kCapacity >= kUserWidth, "user copy too short");
static_assert(decltype(RecordTexts::password)::kCapacity >= kPasswordWidth,
              "password copy too short");

RecordTexts texts;
RFC_OPTIONS open_options;
RFC_CONNOPT_R3ONLY r3_options;
RFC_CONNOPT_CPIC gateway_options;

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
void ChooseHostname() {
  FixedText<127> typed;
  if (ConnectionOverride(",HOST=", &typed)) {
    texts.hostname = typed;
  } else {
    texts.hostname.assign(g_run.Profile.Hostname);
  }
}

// An empty ",NO=" sets no number: the previous connection's stays.
int ChooseSysnr() {
  FixedText<127> typed;
  if (!ConnectionOverride(",NO=", &typed)) return DecimalValue(g_run.Profile.Sysnr.c_str());
  if (typed.empty()) return g_run.LastSysnr;
  return DecimalValue(typed.c_str());
}

void FillTexts() {
  const SystemProfile& profile = g_run.Profile;
  texts.destination.assign(profile.Destination);
  texts.client.assign(profile.Client);
  texts.user.assign(profile.User);
  PadWithBlanks(&texts.user, kUserWidth);
  texts.password.assign(profile.Password);
  PadWithBlanks(&texts.password, kPasswordWidth);
  texts.language.assign(profile.Language);
  ChooseHostname();
  texts.gateway_host.assign(profile.Gwhost);
  texts.gateway_service.assign(profile.Gwservice);
}

}  // namespace

FixedText<1023> ConnectionString() {
  const SystemProfile& profile = g_run.Profile;
  FixedText<1023> text;
  text.format("CLIENT=%s USER=%s PASSWD=%s LANG=D DEST=%s", profile.Client.c_str(),
              profile.User.c_str(), profile.Password.c_str(), profile.Destination.c_str());
  return text;
}

bool ConnectionOverride(const char* keyword, FixedText<127>* value) {
  value->clear();
  size_t at = g_run.ArgumentText.find(keyword);
  if (at == FixedText<127>::npos) return false;
  // The typed case, position for position with the upper-cased text.
  const FixedText<127>& typed = g_run.TypedArgumentText;
  for (size_t i = at + std::strlen(keyword); i < typed.size(); ++i) {
    char c = typed[i];
    if (c == ',' || c == ' ') break;
    value->append_char(c);
  }
  return true;
}

RFC_OPTIONS* FillConnectionRecords() {
  FillTexts();

  gateway_options.gateway_host = LibraryTextOrNull(texts.gateway_host);
  gateway_options.gateway_service = LibraryTextOrNull(texts.gateway_service);

  r3_options.hostname = LibraryTextOrNull(texts.hostname);
  r3_options.sysnr = ChooseSysnr();
  r3_options.gateway_host = gateway_options.gateway_host;
  r3_options.gateway_service = gateway_options.gateway_service;
  g_run.LastSysnr = r3_options.sysnr;

  bool r2 = g_run.Profile.Mode.equals("R/2");
  open_options.destination = LibraryText(texts.destination);
  open_options.mode = r2 ? RFC_MODE_CPIC : RFC_MODE_R3ONLY;
  open_options.connopt = r2 ? static_cast<void*>(&gateway_options) : &r3_options;
  open_options.client = LibraryText(texts.client);
  open_options.user = LibraryText(texts.user);
  open_options.password = LibraryText(texts.password);
  open_options.language = LibraryText(texts.language);
  open_options.trace = 0;
  return &open_options;
}

}  // namespace fernwatch
