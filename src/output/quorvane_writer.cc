// The Quorvane front-end's report: a "Message." and a "Statistic." line per
// channel, keyed by the channel (by its system in a listing run).
#include "output/form_writers.h"
#include "output/text_report_writer.h"

namespace fernwatch {
namespace {

// Only the first ten channels of a run reach the Quorvane front-end.
constexpr int32_t kChannelLimit = 10;

// Characters the Quorvane front-end does not accept in a key.
bool IsKeySeparator(char c) {
  return c == ' ' || c == '/' || c == '\\' || c == '[' || c == ']' || c == ',' || c == '-';
}

class QuorvaneWriter : public TextReportWriter {
 protected:
  void AppendChannel(const Channel& channel, int32_t number) override {
    if (number > kChannelLimit) return;
    WorkingCopy name(channel.Name), value(channel.Value), unit(channel.Unit);
    WorkingCopy key = KeyOf(channel.System != nullptr ? channel.System : channel.Name);
    const char* parts[] = {"\n\nMessage.", key.c_str(), ": ",   name.c_str(), " (",
                           DisplayUnit(unit.c_str()), ")", "\nStatistic.",
                           key.c_str(), ": ",        value.c_str()};
    for (const char* part : parts) content().append(part);
  }

 private:
  // Every separator becomes "_", and so does the first full stop only.
  static WorkingCopy KeyOf(const char* text) {
    WorkingCopy key(text);
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
};

}  // namespace

std::unique_ptr<ResultWriter> NewQuorvaneWriter() {
  return std::unique_ptr<ResultWriter>(new QuorvaneWriter());
}

}  // namespace fernwatch
