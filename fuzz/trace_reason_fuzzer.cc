// The reason of a failure read from the library's trace file Dev_Rfc.Trc,
// appended to a probe's error text and made the error document, as a
// failed single-system run does. The first byte of the input says how
// long the file was at the open (0: there was none; else a share of up to
// twice the file's length, so that it may also have become shorter since),
// the rest is the trace file. The reason is one line: it never carries a
// line feed into the document.
#include <string>

#include "fuzz/fuzz_support.h"
#include "output/result_writer.h"
#include "rfc/connection.h"
#include "rfc/rfc_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace fernwatch;
  FuzzRun run;
  if (size == 0) return 0;
  const std::string trace(reinterpret_cast<const char*>(data) + 1, size - 1);
  run.env.files["Dev_Rfc.Trc"] = trace;
  ResetRfcState();
  RfcState().TraceSizeAtOpen =
      data[0] == 0 ? -1 : static_cast<int64_t>((trace.size() + 1) * 2 * (data[0] - 1) / 254);
  const std::string error = "Error 1014: RFC-Failure raised !";
  std::unique_ptr<ResultWriter> writer = WriterFor(PrtgSensor());
  writer->Append(error.c_str());

  AppendTraceMessage(*writer);
  const std::string message = writer->Content().c_str();
  FuzzExpect(StartsWith(message, error + " - "), "the reason follows the error text");
  FuzzExpect(message.find('\n') == std::string::npos, "the reason is one line");

  DocumentText whole(writer->Content());
  writer->SetErrorDocument(whole.c_str());
  writer->Print();
  FuzzExpect(IsErrorDocument(run.env.output), "the reason ends in the error document");
  return 0;
}
