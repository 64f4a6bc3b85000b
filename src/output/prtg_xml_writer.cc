// PRTG's XML: the form of PRTG's own sensor and of the Tessiva and Brixtel
// front-ends. Texts are written as XML content, so that no text from a
// table, a profile or a trace file can break the markup around it.
#include "output/form_writers.h"
#include "output/xml_content.h"

namespace fernwatch {
namespace {

// A channel's texts are cut to this many characters before they are escaped.
constexpr size_t kChannelTextLength = 123;

class PrtgXmlWriter : public ResultWriter {
 protected:
  void AppendOpening() override { AppendMarkup("\n<Prtg>\n"); }
  void AppendClosing() override { AppendMarkup("\n</Prtg>\n"); }
  void AppendTextOpening() override { AppendMarkup("\n<Text>"); }
  void AppendTextPiece(const char* text) override { AppendXmlContent(&content(), text); }
  void AppendTextClosing() override { AppendMarkup("</Text>\n"); }

  void AppendChannel(const Channel& channel, int32_t number) override {
    AppendMarkup("\n<Result><Channel>");
    AppendChannelText(channel.Name);
    if (channel.Unit[0] != '\0') {
      AppendMarkup("</Channel>\n<Unit>Custom</Unit>\n<CustomUnit>");
      AppendChannelText(channel.Unit);
      AppendMarkup("</CustomUnit>\n<Value>");
    } else {
      AppendMarkup("</Channel>\n<Value>");
    }
    AppendChannelText(channel.Value);
    AppendMarkup("</Value></Result>\n");
  }

 private:
  // Markup, whose length is known where it is written.
  template <size_t N>
  void AppendMarkup(const char (&markup)[N]) {
    content().append_measured(markup, N - 1);
  }

  void AppendChannelText(const char* text) {
    AppendXmlContent(&content(), text, kChannelTextLength, DocumentText::npos);
  }
};

}  // namespace

std::unique_ptr<ResultWriter> NewPrtgXmlWriter() {
  return std::unique_ptr<ResultWriter>(new PrtgXmlWriter());
}

}  // namespace fernwatch
