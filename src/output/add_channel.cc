// One channel of the result, in the form of the output mode.
#include "argument_keywords.h"
#include "output/output_mode.h"
#include "output/result_document.h"
#include "output/xml_content.h"
#include "run_state.h"

namespace fernwatch {
namespace {

// Only the first ten channels of a run reach the Quorvane front-end.
constexpr int32_t kQuorvaneChannelLimit = 10;

using WorkingCopy = FixedText<123>;

// Characters the Quorvane front-end does not accept in a key.
bool IsKeySeparator(char c) {
  return c == ' ' || c == '/' || c == '\\' || c == '[' || c == ']' || c == ',' || c == '-';
}

WorkingCopy QuorvaneKey(const WorkingCopy& name) {
  WorkingCopy key(IsSet(g_run.ListingRun) ? g_run.SystemLabel.c_str() : name.c_str());
  WorkingCopy cleaned;
  bool full_stop_replaced = false;
  for (size_t i = 0; i < key.size(); ++i) {
    char c = key[i];
    if (IsKeySeparator(c) || (c == '.' && !full_stop_replaced)) {
      if (c == '.') full_stop_replaced = true;
      c = '_';
    }
    cleaned.append_char(c);
  }
  return cleaned;
}

void AddQuorvaneChannel(const WorkingCopy& name, const WorkingCopy& value,
                        const WorkingCopy& unit) {
  WorkingCopy key = QuorvaneKey(name);
  const char* parts[] = {"\n\nMessage.", key.c_str(),       ": ",   name.c_str(), " (",
                         DisplayUnit(unit.c_str()),         ")",    "\nStatistic.",
                         key.c_str(), ": ",                 value.c_str()};
  for (const char* part : parts) AppendToDocument(part);
}

void AddMaltrexChannel(const WorkingCopy& name, const WorkingCopy& value,
                       const WorkingCopy& unit) {
  if (SelectsChannel()) {
    if (SelectedChannel() == g_run.ChannelCounter) AppendToDocument(value.c_str());
    return;
  }
  const char* parts[] = {"\n> ", name.c_str(), ": ", value.c_str(), " ", DisplayUnit(unit.c_str())};
  for (const char* part : parts) AppendToDocument(part);
}

// Markup of the XML form, whose length is known where it is written.
template <size_t N>
void AppendMarkup(const char (&markup)[N]) {
  g_run.ResultDocument.append_measured(markup, N - 1);
}

// A text of the channel written as XML content: the first 123 characters,
// as its working copy holds them, then escaped.
void AppendContent(const char* text) {
  AppendXmlContent(&g_run.ResultDocument, text, WorkingCopy::kCapacity, DocumentText::npos);
}

void AddXmlChannel(const char* name, const char* value, const char* unit) {
  AppendMarkup("\n<Result><Channel>");
  AppendContent(name);
  if (unit[0] != '\0') {
    AppendMarkup("</Channel>\n<Unit>Custom</Unit>\n<CustomUnit>");
    AppendContent(unit);
    AppendMarkup("</CustomUnit>\n<Value>");
  } else {
    AppendMarkup("</Channel>\n<Value>");
  }
  AppendContent(value);
  AppendMarkup("</Value></Result>\n");
}

}  // namespace

void AddChannel(const char* name, const char* value, const char* unit) {
  ++g_run.ChannelCounter;
  switch (CurrentForm()) {
    case DocumentForm::kQuorvane:
      if (g_run.ChannelCounter <= kQuorvaneChannelLimit)
        AddQuorvaneChannel(WorkingCopy(name), WorkingCopy(value), WorkingCopy(unit));
      return;
    case DocumentForm::kMaltrex:
      AddMaltrexChannel(WorkingCopy(name), WorkingCopy(value), WorkingCopy(unit));
      return;
    case DocumentForm::kPrtgXml:
    case DocumentForm::kUnknown:
      AddXmlChannel(name, value, unit);
      return;
  }
}

}  // namespace fernwatch
