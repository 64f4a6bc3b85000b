// The reason of a failure read from the library's trace file Dev_Rfc.Trc,
// appended to a probe's error text and made the error document, as a
// failed single-system run does. The input is the trace file. The reason
// is one line: it never carries a line feed into the document.
#include <string>

#include "fuzz/fuzz_support.h"
#include "output/result_document.h"
#include "rfc/connection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace fernwatch;
  FuzzRun run;
  run.env.files["Dev_Rfc.Trc"] = std::string(reinterpret_cast<const char*>(data), size);
  const std::string error = "Error 1014: RFC-Failure raised !";
  g_run.ResultDocument.assign(error.c_str());

  AppendTraceMessage();
  const std::string message = g_run.ResultDocument.c_str();
  FuzzExpect(StartsWith(message, error + " - "), "the reason follows the error text");
  FuzzExpect(message.find('\n') == std::string::npos, "the reason is one line");

  DocumentText whole(g_run.ResultDocument);
  SetErrorDocument(whole.c_str());
  PrintDocument();
  FuzzExpect(IsErrorDocument(run.env.output), "the reason ends in the error document");
  return 0;
}
