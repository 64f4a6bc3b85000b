// The PRTG-native form, chosen with ",NATIVE" in the XML forms: channels
// that keep their names from poll to poll, values PRTG reads as numbers,
// and the states of the rows as a channel whose limits set the sensor's
// status. The writer holds the whole document and prints it once, at its
// end, so that the "Worst state" channel can come first.
#include <cstring>

#include "argument_keywords.h"
#include "run_state.h"
#include "output/form_writers.h"
#include "output/native_rows.h"
#include "output/xml_content.h"

namespace fernwatch {
namespace {

// PRTG takes at most 50 channels of a sensor; "Worst state" is one.
constexpr size_t kMostChannels = 50;
// PRTG shows at most this many characters of a sensor's text.
constexpr size_t kMostTextCharacters = 2000;

const char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
const char kWorstState[] = "Worst state";
// The channels of a listing run that count its systems.
const char* const kSummaryChannels[] = {"Systems", "Processed", "Not found", "Failed",
                                        "Not reached"};
constexpr size_t kSummaryCount = sizeof kSummaryChannels / sizeof kSummaryChannels[0];
const char* const kCountLimits[] = {
    "", "", "<limitmaxwarning>0</limitmaxwarning><limitmode>1</limitmode>",
    "<limitmaxerror>0</limitmaxerror><limitmode>1</limitmode>",
    "<limitmaxerror>0</limitmaxerror><limitmode>1</limitmode>"};
const char kStateLimits[] =
    "<unit>Custom</unit><limitmaxwarning>0</limitmaxwarning><limitmaxerror>1</limitmaxerror>"
    "<limitmode>1</limitmode>";

using ChannelName = FixedText<63>;
using NativeDocument = FixedText<65535>;

struct NativeChannel {
  ChannelName Name;
  NativeNumber Value;
  const char* Unit;           // PRTG's unit, or null for a custom one
  FixedText<123> CustomUnit;  // the table's unit, for a custom one
  bool IsState;               // the value is a state: 0, 1 or 2
};

int Level(StateLevel level) { return static_cast<int>(level); }

// `text` as XML content in which every control character is a blank, at
// most `most` characters as an XML reader counts them (a reference is one),
// never cut inside a reference.
template <size_t N>
void AppendNativeText(FixedText<N>* document, const char* text, size_t most) {
  const size_t length = std::strlen(text);
  size_t at = 0;
  for (size_t characters = 0; at < length && characters < most; ++characters) {
    const XmlCharacter character = XmlCharacterAt(text + at, length - at, XmlControls::kBlankAll);
    document->append_measured(character.written, character.length);
    at += character.taken;
  }
}

class NativeWriter : public ResultWriter {
 protected:
  void AppendOpening() override { Reset(); }
  void AppendClosing() override { Compose(); }
  // Each status text replaces an earlier one: a listing run's systems
  // leave texts that its summary replaces.
  void AppendTextOpening() override { status_.clear(); }
  void AppendTextPiece(const char* text) override { status_.append(text); }
  void AppendTextClosing() override {}
  void PrintNote(const char* line) override { PrintToStandardError(line); }

  void AppendChannel(const Channel& channel, int32_t number) override {
    bool known = true;
    const StateLevel level = LevelOfState(channel.State, &known);
    Worsen(level);
    if (level != StateLevel::kOk) NoteRow(&not_ok_, channel.Text, channel.State);
    NativeChannel row;
    row.IsState = AsksForStates();
    row.Unit = row.IsState ? nullptr : PrtgUnitOf(channel.Unit);
    row.CustomUnit.assign(channel.Unit);
    if (row.IsState) {
      row.Value.format("%d", Level(level));
    } else if (!ReadNativeValue(channel.Value, &row.Value)) {
      NoteRow(&no_number_, channel.Text, channel.Value);
      Worsen(StateLevel::kWarning);
      return;
    }
    if (count_ + FixedChannels() >= kMostChannels) {
      ++beyond_;
      Worsen(StateLevel::kWarning);
      return;
    }
    row.Name = UniqueName(channel.Text, channel.Marker);
    channels_[count_++] = row;
  }

  void TakeSystem(const char* name, SystemResult result) override {
    ++systems_[static_cast<int>(result)];
    FixedText<8191>* names = result == SystemResult::kNotFound   ? &not_found_
                             : result == SystemResult::kFailed     ? &failed_
                             : result == SystemResult::kNotReached ? &not_reached_
                                                                   : nullptr;
    if (names == nullptr) return;
    if (!names->empty()) names->append(", ");
    names->append(name);
  }

  // The report's operation and the library's message, as an error document.
  void WriteReport(const RfcErrorReport& report) override {
    FixedText<1023> message("RFC error in ");
    message.append(report.Operation);
    message.append(": ");
    message.append(report.Message[0] != '\0' ? report.Message : report.Status);
    if (report.Key[0] != '\0') {
      message.append(" (");
      message.append(report.Key);
      message.append(")");
    }
    ComposeErrorDocument(message.c_str());
    PrintPending();
  }

  void TakeSensorRows(const SensorRows& rows) override {
    if (!rows.HeaderMet || rows.DataRows > 0) return;
    header_only_ = true;
    Worsen(StateLevel::kWarning);
  }

  bool PrintPending() override {
    if (!ready_) return false;
    WriteOut(document_.c_str(), document_.size());
    ready_ = false;
    return true;
  }

  void ComposeErrorDocument(const char* message) override {
    document_.assign(kDeclaration);
    document_.append("<prtg>\n<error>1</error>\n<text>");
    AppendNativeText(&document_, message, kMostTextCharacters);
    document_.append("</text>\n</prtg>\n");
    ready_ = true;
  }

 private:
  void Reset() {
    count_ = 0;
    for (int& systems : systems_) systems = 0;
    failed_.clear();
    not_found_.clear();
    not_reached_.clear();
    beyond_ = 0;
    worst_ = StateLevel::kOk;
    header_only_ = false;
    status_.clear();
    not_ok_.clear();
    no_number_.clear();
    ready_ = false;
  }

  void Worsen(StateLevel level) {
    if (Level(level) > Level(worst_)) worst_ = level;
  }

  static void NoteRow(FixedText<4095>* list, const char* text, const char* detail) {
    if (!list->empty()) list->append(", ");
    list->append(text);
    list->append(" (");
    list->append(detail);
    list->append(")");
  }

  // Worst state, and the summary of a listing run.
  size_t FixedChannels() const { return g_run.ListingRun ? 1 + kSummaryCount : 1; }

  bool Taken(const ChannelName& name) const {
    if (SameChannelName(name.c_str(), kWorstState)) return true;
    for (size_t i = 0; g_run.ListingRun && i < kSummaryCount; ++i)
      if (SameChannelName(name.c_str(), kSummaryChannels[i])) return true;
    for (size_t i = 0; i < count_; ++i)
      if (SameChannelName(name.c_str(), channels_[i].Name.c_str())) return true;
    return false;
  }

  // The row's text; a later row whose name is taken gets its marker, or
  // else the smallest free number from 2, in brackets. A blank text is the
  // marker in brackets, or else the smallest free number from 1.
  ChannelName UniqueName(const char* text, const char* marker) const {
    FixedText<2> mark(marker);
    while (!mark.empty() && mark[mark.size() - 1] == ' ') mark.truncate(mark.size() - 1);
    ChannelName name(text);
    const bool blank = name.empty();
    if (blank && !mark.empty()) name.format("(%s)", mark.c_str());
    if (!blank && !mark.empty() && Taken(name)) name.format("%s (%s)", text, mark.c_str());
    for (int n = blank ? 1 : 2; Taken(name) || name.empty(); ++n) {
      if (blank) name.format("(%d)", n);
      else name.format("%s (%d)", text, n);
    }
    return name;
  }

  void AppendResult(const char* name, const char* value, const char* elements) {
    document_.append("<result><channel>");
    AppendNativeText(&document_, name, kMostTextCharacters);
    document_.append("</channel><value>");
    document_.append(value);
    document_.append("</value>");
    document_.append(elements);
    document_.append("</result>\n");
  }

  void AppendChannelResult(const NativeChannel& channel) {
    if (channel.IsState) {
      AppendResult(channel.Name.c_str(), channel.Value.c_str(), kStateLimits);
      return;
    }
    FixedText<1023> elements("<float>1</float><decimalmode>Auto</decimalmode><unit>");
    elements.append(channel.Unit != nullptr ? channel.Unit : "Custom");
    elements.append("</unit>");
    if (channel.Unit == nullptr) {
      FixedText<1023> unit;
      AppendNativeText(&unit, channel.CustomUnit.c_str(), kMostTextCharacters);
      elements.append("<customunit>");
      elements.append(unit);
      elements.append("</customunit>");
    }
    AppendResult(channel.Name.c_str(), channel.Value.c_str(), elements.c_str());
  }

  using NativeText = FixedText<16383>;

  static void AddNote(NativeText* notes, const char* head, const char* note) {
    notes->append(notes->empty() ? "" : "; ");
    notes->append(head);
    notes->append(note);
  }

  // The status text, then " - " and what this form has to say of the rows.
  NativeText Text() const {
    NativeText notes;
    if (!failed_.empty()) AddNote(&notes, "failed: ", failed_.c_str());
    if (!not_found_.empty()) AddNote(&notes, "not found: ", not_found_.c_str());
    if (!not_reached_.empty()) AddNote(&notes, "not reached: ", not_reached_.c_str());
    if (!not_ok_.empty()) AddNote(&notes, "not OK: ", not_ok_.c_str());
    if (!no_number_.empty()) AddNote(&notes, "no number: ", no_number_.c_str());
    if (header_only_) AddNote(&notes, "", "no rows of values");
    if (beyond_ > 0) {
      FixedText<63> left_out;
      left_out.format("%d rows beyond %d channels left out", beyond_,
                      static_cast<int>(kMostChannels));
      AddNote(&notes, "", left_out.c_str());
    }
    NativeText text(status_.c_str());
    if (!notes.empty()) {
      text.append(" - ");
      text.append(notes);
    }
    return text;
  }

  // The systems of a listing run, counted; "Systems" is the sum of the
  // other four.
  void AppendSummary() {
    int counts[kSummaryCount] = {0, systems_[static_cast<int>(SystemResult::kProcessed)],
                                 systems_[static_cast<int>(SystemResult::kNotFound)],
                                 systems_[static_cast<int>(SystemResult::kFailed)],
                                 systems_[static_cast<int>(SystemResult::kNotReached)]};
    for (size_t i = 1; i < kSummaryCount; ++i) counts[0] += counts[i];
    for (size_t i = 0; i < kSummaryCount; ++i) {
      FixedText<15> value;
      value.format("%d", counts[i]);
      FixedText<255> elements("<unit>Count</unit>");
      elements.append(kCountLimits[i]);
      AppendResult(kSummaryChannels[i], value.c_str(), elements.c_str());
    }
  }

  void Compose() {
    document_.assign(kDeclaration);
    document_.append("<prtg>\n");
    FixedText<1> worst;
    worst.format("%d", Level(worst_));
    AppendResult(kWorstState, worst.c_str(), kStateLimits);
    if (g_run.ListingRun) AppendSummary();
    for (size_t i = 0; i < count_; ++i) AppendChannelResult(channels_[i]);
    document_.append("<text>");
    AppendNativeText(&document_, Text().c_str(), kMostTextCharacters);
    document_.append("</text>\n</prtg>\n");
    ready_ = true;
  }

  NativeChannel channels_[kMostChannels - 1];
  size_t count_ = 0;
  int beyond_ = 0;  // rows left out for the limit of channels
  StateLevel worst_ = StateLevel::kOk;
  bool header_only_ = false;
  FixedText<4095> status_;
  FixedText<4095> not_ok_;     // "<text> (<state>)" of the rows not OK
  FixedText<4095> no_number_;  // "<text> (<value>)" of the rows left out
  int systems_[4] = {0, 0, 0, 0};  // a listing run's systems by SystemResult
  FixedText<8191> failed_;         // their names
  FixedText<8191> not_found_;
  FixedText<8191> not_reached_;
  NativeDocument document_;
  bool ready_ = false;  // the document is composed and not yet printed
};

}  // namespace

std::unique_ptr<ResultWriter> NewNativeWriter() {
  return std::unique_ptr<ResultWriter>(new NativeWriter());
}

}  // namespace fernwatch
