// What the two text reports share: no opening, a "# " line for the status
// text, a line feed to close, texts as they are, and units shown for a
// person.
#ifndef FERNWATCH_OUTPUT_TEXT_REPORT_WRITER_H_
#define FERNWATCH_OUTPUT_TEXT_REPORT_WRITER_H_

#include "output/result_writer.h"

namespace fernwatch {

class TextReportWriter : public ResultWriter {
 protected:
  // A text of a channel as the report takes it: its first 123 characters.
  using WorkingCopy = FixedText<123>;

  void AppendOpening() override {}
  void AppendClosing() override { content().append("\n"); }
  void AppendTextOpening() override { content().append("\n# "); }
  void AppendTextPiece(const char* text) override { content().append(text); }
  void AppendTextClosing() override {}

  // Empty as "#", "PerCent" as "%", "TimeResponse" as "mSec"; anything
  // else unchanged. Compared whole and case-sensitively.
  static const char* DisplayUnit(const char* unit);
};

}  // namespace fernwatch

#endif  // FERNWATCH_OUTPUT_TEXT_REPORT_WRITER_H_
