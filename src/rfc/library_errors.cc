#include "rfc/library_errors.h"

#include <cstring>

#include "rfc/rfc_functions.h"
#include "rfc/rfc_state.h"

namespace fernwatch {

void RegisterRfcEnvironmentWith(RFC_ERROR_HANDLER* handler) {
  RfcLayerState& state = RfcState();
  state.Environment.errorhandler = handler;
  state.Environment.allocate = nullptr;
  RfcLibrary().RfcEnvironment(&state.Environment);
}

RfcLastErrorText ReadRfcLastError() {
  RFC_ERROR_INFO info;
  std::memset(&info, 0, sizeof info);
  RfcLastErrorText text;
  if (RfcLibrary().RfcLastError(&info) != 0) return text;
  // A field filled to its last byte has no end of its own.
  text.Key.assign(info.key, sizeof info.key);
  text.Message.assign(info.message, sizeof info.message);
  return text;
}

}  // namespace fernwatch
