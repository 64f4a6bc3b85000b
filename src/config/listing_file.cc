#include "config/listing_file.h"

#include "config/config_path.h"
#include "config/listing_lines.h"
#include "config/text_line.h"
#include "run_state.h"

namespace fernwatch {
namespace {

const char kSystemListFile[] = "Lodestar.Prf";
constexpr size_t kSystemValueStart = 20;  // column 21

void StartListing() {
  g_run.ProfileFile.reset();
  g_run.SystemList.clear();
  g_run.SystemLabels = LabelKind::kProfileName;
}

// Only a head written exactly "# Gsng" and ": " counts, whatever sensor
// name follows.
bool IsSystemLine(const ListingLine& line) {
  return line.compare(0, 8, "# Gsng: ") == 0;
}

ListingFault ReadSystemListFile() {
  std::unique_ptr<InputFile> file = OpenListingFile();
  if (file == nullptr)
    return ListingFault(ListingFault::kSystemListMissing, g_run.ProfileName.c_str());
  ListingLine line;
  while (ReadWholeLine(*file, &line))
    if (IsSystemLine(line)) AppendSystemValue(line);
  return ListingFault();
}

ListingFault CheckListing() {
  if (g_run.SystemList.empty()) return ListingFault(ListingFault::kServerListingMissing);
  if (g_run.ItemId.empty()) return ListingFault(ListingFault::kItemMissing);
  g_run.ProfilePath.assign(g_run.ProfileDirectory);
  return ListingFault();
}

}  // namespace

// The file located at start is opened by its whole path; ProfilePath holds
// the same path, but cut at its capacity, and is empty when nothing was
// located.
std::unique_ptr<InputFile> OpenListingFile() {
  if (g_run.ProfilePath.empty()) return nullptr;
  return OpenConfigFile(
      JoinPath(g_run.ProfileDirectory.c_str(), g_run.ProfileName.c_str()).c_str());
}

void AppendSystemValue(const ListingLine& line) {
  if (line.size() > kSystemValueStart) g_run.SystemList.append(line, kSystemValueStart);
}

FaultMessage ListingFaultMessage(const ListingFault& fault) {
  const char* before = "";
  const char* after = "";
  switch (fault.kind) {
    case ListingFault::kNone:
      break;
    case ListingFault::kSystemListMissing:
      before = "Error 1024: ProFile ";
      after = " is missing...";
      break;
    case ListingFault::kSensorListingMissing:
      before = "Error 10x1: ProFile ";
      after = " is missing...";
      break;
    case ListingFault::kServerListingMissing:
      before = "Error 1025: Global Server Listing missing...";
      break;
    case ListingFault::kItemMissing:
      before = "Error 1026: Global Item Idenification missing...";
      break;
    case ListingFault::kInvalidSensorAllocation:
      before = "Error 1029: Invalid Sensor-Allocation...";
      break;
    case ListingFault::kSensorNotFound:
      before = "Error 1030: Global Sensor ";
      after = " not found...";
      break;
  }
  FaultMessage message;
  message.format("%s%s%s", before, fault.subject.c_str(), after);
  return message;
}

ListingFault ReadSystemListing() {
  StartListing();
  ListingFault fault =
      g_run.ProfileName.equals(kSystemListFile) ? ReadSystemListFile() : ReadSensorListing();
  if (fault.Failed()) return fault;
  return CheckListing();
}

}  // namespace fernwatch
