// The listing files of a listing run, "Lodestar.Prf" and the global sensor
// listing "SAP Lodestar.Gbl", and the listing run over what they list.
// The first byte chooses the file (bit 0: the global listing), a directory
// for it (bit 1), the progress lines (bit 2), a front-end's form (bits 3
// and 4) and the PRTG-native form (bit 5); then comes the argument text as
// typed, ended by a zero byte, and
// the rest is the file. The listed profiles are never there, so the run
// counts every system and contacts none. Lines of any length name all their
// systems: for a file of plain lines the list read is compared with the
// system values of its lines taken whole.
#include <cctype>
#include <sstream>
#include <string>

#include "app/run_driver.h"
#include "argument_keywords.h"
#include "config/item_value.h"
#include "config/listing_file.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/xml_check.h"
#include "support/front_end_named.h"

namespace fernwatch {
namespace {

const char* const kModes[] = {"EXEXML", "Quorvane", "Maltrex", "Brixtel"};

void LocateListing(unsigned char choice, const std::string& arguments) {
  g_run.BannerLine.assign("* 09:05:17 SAP Fernwatch Vers 4.3 / 29.08.22");
  g_run.ListingRun = true;
  g_run.ProfileName.assign(choice & 1 ? "SAP Lodestar.Gbl" : "Lodestar.Prf");
  g_run.ProfileDirectory.assign(choice & 2 ? "C:\\Sensors\\ExeXml\\" : "");
  g_run.ProfilePath.assign(g_run.ProfileDirectory);
  g_run.ProfilePath.append(g_run.ProfileName);
  g_run.ConsoleEcho = (choice & 4) != 0;
  g_run.OutputMode = &FrontEndNamed(kModes[(choice >> 3) & 3]);
  g_run.NativeForm = (choice & 32) != 0 && g_run.OutputMode->Form == DocumentForm::kPrtgXml;
  g_run.ParameterText.assign(arguments.c_str());
  g_run.TypedArgumentText.assign(arguments.c_str());
  g_run.ArgumentText.assign(arguments.c_str());
  g_run.ArgumentText.to_upper();
  const char* item = TypedItemValue();
  if (item != nullptr) g_run.ItemId = ItemValue(item);
}

// The head a system line of the located listing begins with: "# Gsng: "
// exactly in "Lodestar.Prf"; in the global listing "# GSNG: " and the
// first word of the argument text in ten columns, compared in upper case.
std::string SystemLineHead() {
  if (g_run.ProfileName.equals("Lodestar.Prf")) return "# Gsng: ";
  std::string word(g_run.ArgumentText.c_str());
  word = word.substr(0, word.find(' ')).substr(0, 10);
  word.resize(10, ' ');
  return "# GSNG: " + word;
}

bool IsPlainText(const std::string& file) {
  return file.find_first_of(std::string("\r\x1a\0", 3)) == std::string::npos;
}

// The system values (column 21 on) of the system lines of `file`, each
// line taken whole, joined in file order. A UTF-8 byte-order mark is no
// part of the first line.
std::string SystemValuesOf(const std::string& file) {
  const std::string head = SystemLineHead();
  const bool any_case = head[2] == 'G' && head[3] == 'S';
  std::istringstream lines(file.compare(0, 3, "\xEF\xBB\xBF") == 0 ? file.substr(3) : file);
  std::string line, values;
  while (std::getline(lines, line)) {
    std::string start = line.substr(0, head.size());
    if (any_case)
      for (char& c : start) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (start == head && line.size() > 20) values += line.substr(20);
  }
  return values;
}

// Entries up to each '#', and a last one without it.
size_t EntriesOf(const std::string& list) {
  size_t entries = 0;
  for (size_t i = 0; i < list.size(); ++i) entries += list[i] == '#';
  return entries + (!list.empty() && list[list.size() - 1] != '#');
}

void RunOverMissingProfiles(MemoryEnv& env) {
  const std::string summary =
      "NoSystems=" + std::to_string(EntriesOf(g_run.SystemList)) + ", Processed=0, Failed=0";
  env.files.clear();
  env.output.clear();
  std::unique_ptr<ResultWriter> writer = WriterFor(*g_run.OutputMode, g_run.NativeForm);
  FuzzExpect(RunListing(*writer) == 0, "a listing run ends with exit status 0");
  if (g_run.NativeForm && !g_run.ConsoleEcho) {
    // Every listed profile is missing: every system is counted as failed.
    FuzzExpect(StartsWith(env.output, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"),
               "the native form begins with the declaration");
    FuzzExpect(IsWellFormedXml(env.output), "the native form is well-formed pure ASCII");
    const std::string failed = "<channel>Failed</channel><value>" +
                               std::to_string(EntriesOf(g_run.SystemList)) + "</value>";
    FuzzExpect(env.output.find(failed) != std::string::npos, "every missing profile failed");
    return;
  }
  // The Maltrex report of one channel's bare value drops the summary.
  if (g_run.OutputMode->Form == DocumentForm::kMaltrex && SelectsChannel()) return;
  FuzzExpect(env.output.find(summary) != std::string::npos, "every listed system is counted");
}

}  // namespace
}  // namespace fernwatch

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace fernwatch;
  FuzzRun run;
  FuzzInput input(data, size);
  unsigned char choice = input.NextByte();
  std::string arguments = input.NextPart();
  g_run.SecondArgument = arguments.c_str();
  LocateListing(choice, arguments);
  const std::string file = input.Rest();
  run.env.files[g_run.ProfilePath.c_str()] = file;

  ListingFault fault = ReadSystemListing();
  FuzzExpect(ListingFaultMessage(fault).empty() == !fault.Failed(), "every fault has its message");
  // A sensor definition refused stops the reading at its line.
  if (IsPlainText(file) && fault.kind != ListingFault::kInvalidSensorAllocation)
    FuzzExpect(g_run.SystemList == SystemValuesOf(file), "every system line names all its systems");
  if (!fault.Failed()) RunOverMissingProfiles(run.env);
  return 0;
}
