// The Maltrex front-end's report: a "> " line per channel, or, with "CH="
// in the argument text, the bare value of the one channel it selects.
#include "argument_keywords.h"
#include "output/form_writers.h"
#include "output/text_report_writer.h"

namespace fernwatch {
namespace {

class MaltrexWriter : public TextReportWriter {
 protected:
  // The selection is asked anew each time: a listing run takes its
  // parameter text as its arguments midway.
  void AppendTextClosing() override {
    if (SelectsChannel()) content().clear();
  }

  void AppendChannel(const Channel& channel, int32_t number) override {
    WorkingCopy name(channel.Name), value(channel.Value), unit(channel.Unit);
    if (SelectsChannel()) {
      if (SelectedChannel() == number) content().append(value);
      return;
    }
    const char* parts[] = {"\n> ", name.c_str(), ": ", value.c_str(), " ", DisplayUnit(unit.c_str())};
    for (const char* part : parts) content().append(part);
  }
};

}  // namespace

std::unique_ptr<ResultWriter> NewMaltrexWriter() {
  return std::unique_ptr<ResultWriter>(new MaltrexWriter());
}

}  // namespace fernwatch
