#include "rfc/rfc_state.h"

namespace fernwatch {
namespace {
RfcLayerState state;
}  // namespace

RfcLayerState& RfcState() { return state; }

void ResetRfcState() { state = RfcLayerState(); }

}  // namespace fernwatch
