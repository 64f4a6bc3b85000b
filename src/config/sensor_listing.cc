// The global sensor listing: "# GSNG:" lines name the systems of a sensor,
// its "# GSNX:" line gives the item, the parameters and the label kind.
#include "config/item_value.h"
#include "config/listing_lines.h"
#include "config/text_line.h"
#include "run_state.h"

namespace fernwatch {
namespace {

constexpr size_t kPatternLength = 18;  // the head and ten characters of name
constexpr size_t kParameterStart = 19;  // column 20
const char kSensorMarker[] = "Sensor=" "SAP " "Fernwatch" "\"";
const char kSensorCut[] = ",Sensor=";
const char kItemKeyword[] = "Item=";

using SensorPattern = FixedText<kPatternLength>;
using ParameterPart = std::string;

// The head followed by the first word of the argument text, filled with
// blanks; only the first ten characters of the word take part.
SensorPattern PatternFor(const char* head) {
  SensorPattern pattern(head);
  const ArgumentLine& arguments = g_run.ArgumentText;
  for (size_t i = 0; i < arguments.size() && arguments[i] != ' '; ++i)
    pattern.append_char(arguments[i]);
  while (pattern.size() < kPatternLength) pattern.append_char(' ');
  return pattern;
}

bool Matches(const ListingLine& line, const SensorPattern& pattern) {
  SensorPattern head;
  head.assign(line.c_str(), kPatternLength);
  head.to_upper();
  return head.equals(pattern.c_str());
}

// A text cut at the capacity of ParameterText would change the keywords it
// carries (channel 12 would read channel 1): false for such a sensor.
bool TakeParameterText(const ParameterPart& parameters) {
  ParameterPart text = parameters.substr(0, parameters.find(kSensorCut));
  if (text.size() > g_run.ParameterText.kCapacity) return false;
  g_run.ParameterText.assign(text.c_str());
  g_run.ParameterText.replace_all(':', ' ');
  return true;
}

// A later keyword overrides an earlier one; a line with none leaves the
// kind as it was.
void TakeLabelKind(const ListingLine& line) {
  static const struct {
    const char* keyword;
    LabelKind kind;
  } kLabelKinds[] = {{",Profile", LabelKind::kProfileName},
                     {",Alias", LabelKind::kAlias},
                     {",Host", LabelKind::kHost},
                     {",Sid", LabelKind::kSid}};
  for (const auto& label : kLabelKinds)
    if (line.find(label.keyword) != line.npos) g_run.SystemLabels = label.kind;
}

// False when the definition does not allocate the sensor to this program
// or its parameters do not fit.
bool TakeSensorDefinition(const ListingLine& line, ParameterPart* parameters) {
  parameters->clear();
  if (line.size() > kParameterStart) parameters->assign(line, kParameterStart);
  if (parameters->find(kSensorMarker) == parameters->npos || !TakeParameterText(*parameters))
    return false;
  TakeLabelKind(line);
  return true;
}

void TakeItem(const ParameterPart& parameters) {
  size_t at = parameters.find(kItemKeyword);
  if (at != parameters.npos)
    g_run.ItemId = ItemValue(parameters.c_str() + at + (sizeof kItemKeyword - 1));
}

}  // namespace

ListingFault ReadSensorListing() {
  const SensorPattern systems = PatternFor("# GSNG: ");
  const SensorPattern definition = PatternFor("# GSNX: ");
  std::unique_ptr<InputFile> file = OpenListingFile();
  if (file == nullptr)
    return ListingFault(ListingFault::kSensorListingMissing, g_run.ProfileName.c_str());
  bool sensor_found = false;
  g_run.ItemId.clear();
  ParameterPart parameters;
  ListingLine line;
  while (ReadWholeLine(*file, &line)) {
    if (Matches(line, systems)) {
      AppendSystemValue(line);
    } else if (Matches(line, definition)) {
      if (!TakeSensorDefinition(line, &parameters))
        return ListingFault(ListingFault::kInvalidSensorAllocation);
      sensor_found = true;
    }
  }
  file.reset();
  TakeItem(parameters);
  if (!sensor_found)
    return ListingFault(ListingFault::kSensorNotFound,
                        g_run.SecondArgument != nullptr ? g_run.SecondArgument : "");
  return ListingFault();
}

}  // namespace fernwatch
