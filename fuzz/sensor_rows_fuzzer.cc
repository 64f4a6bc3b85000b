// The rows of a customer table of user sensors, 540 bytes each as the
// library hands them over, evaluated into channels and the status text as
// the evaluation does after a successful read. The first byte chooses the
// output mode (bits 0 to 2, counted round the five), a listing run (bit 3)
// and the PRTG-native form (bit 4); then come the
// argument text and the item, each ended by a zero byte; the rest is the
// rows, the last one filled up with blanks. Whatever bytes the rows hold, a
// single-system document in PRTG XML keeps its opening and its closing, and
// every document in that form is well-formed pure ASCII.
#include <string>

#include "fuzz/fuzz_support.h"
#include "fuzz/xml_check.h"
#include "output/result_writer.h"
#include "probes/sensor_row.h"
#include "probes/sensor_selection.h"
#include "support/front_end_named.h"

namespace fernwatch {
namespace {

const char* const kModes[] = {"EXEXML", "Tessiva", "Brixtel", "Quorvane", "Maltrex"};

void SetUpRun(unsigned char choice, const std::string& arguments, const std::string& item) {
  g_run.OutputMode = &FrontEndNamed(kModes[(choice & 7) % 5]);
  g_run.ListingRun = (choice & 8) != 0;
  g_run.NativeForm = (choice & 16) != 0 && g_run.OutputMode->Form == DocumentForm::kPrtgXml;
  g_run.TypedArgumentText.assign(arguments.c_str());
  g_run.ArgumentText.assign(arguments.c_str());
  g_run.ArgumentText.to_upper();
  g_run.ItemId.assign(item.c_str());
  g_run.Profile.Destination.assign("PRD");
}

void EvaluateRows(const std::string& rows) {
  std::unique_ptr<ResultWriter> writer = WriterFor(*g_run.OutputMode, g_run.NativeForm);
  SensorSelection selection = CurrentSelection("PRD");
  if (!selection.Listing) {
    writer->BeginDocument();
    writer->Print();
  }
  for (size_t at = 0; at < rows.size(); at += kSensorRowLength) {
    std::string row = rows.substr(at, kSensorRowLength);
    row.resize(kSensorRowLength, ' ');
    EvaluateSensorRow(CutSensorRow(row.data()), &selection, *writer);
  }
  WriteSensorStatusText(selection, *writer);
  writer->Print();
}

// What PRTG asks of a document of the native form.
void ExpectNativeDocument(const std::string& output) {
  FuzzExpect(StartsWith(output, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<prtg>\n"),
             "the native form begins with the declaration");
  FuzzExpect(IsWellFormedXml(output), "the native form is well-formed pure ASCII");
  size_t results = 0;
  for (size_t at = output.find("<result>"); at != std::string::npos;
       at = output.find("<result>", at + 1))
    ++results;
  FuzzExpect(results >= 1 && results <= 50, "the native form holds 1 to 50 channels");
}

}  // namespace
}  // namespace fernwatch

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace fernwatch;
  FuzzRun run;
  FuzzInput input(data, size);
  unsigned char choice = input.NextByte();
  std::string arguments = input.NextPart();
  std::string item = input.NextPart();
  SetUpRun(choice, arguments, item);

  EvaluateRows(input.Rest());
  if (g_run.OutputMode->Form != DocumentForm::kPrtgXml) return 0;
  if (g_run.NativeForm) {
    if (!g_run.ListingRun) ExpectNativeDocument(run.env.output);
    return 0;
  }
  if (!g_run.ListingRun) {
    FuzzExpect(StartsWith(run.env.output, "\n<Prtg>\n"), "the document keeps its opening");
    FuzzExpect(EndsWith(run.env.output, "</Text>\n\n</Prtg>\n"), "the document keeps its closing");
    FuzzExpect(IsWellFormedXml(run.env.output), "the document is well-formed pure ASCII");
  } else {
    // The run prints the opening before its systems and the closing after.
    FuzzExpect(IsWellFormedXml("<Prtg>" + run.env.output + "</Prtg>"),
               "a system's part of the document is well-formed pure ASCII");
  }
  return 0;
}
