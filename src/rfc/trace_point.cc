// The probe's own trace: one line per library step in "Fernwatch.Trc" in
// the working directory, written only when the argument text asks for it.
// The file is opened at the first line and stays open for the run. No
// caller passes a password as event or detail.
#include "argument_keywords.h"
#include "rfc/connection.h"
#include "rfc/rfc_state.h"

namespace fernwatch {

void TracePoint(RFC_HANDLE handle, const char* event, const char* detail) {
  if (!AsksForTrace()) return;
  std::unique_ptr<LineSink>& stream = RfcState().TraceStream;
  if (!stream) stream = CurrentEnv().OpenAppend("Fernwatch.Trc");
  if (!stream) return;

  // A cut line still ends its line, so the next one starts on its own.
  FixedText<1022> body;
  body.format("%d %s %s", static_cast<int>(handle), event != nullptr ? event : "",
              detail != nullptr ? detail : "");
  FixedText<1023> line(body.c_str());
  line.append_char('\n');
  stream->WriteLine(line.c_str());
}

}  // namespace fernwatch
