#include "output/result_writer.h"

#include <cstring>

#include "output/xml_content.h"

namespace fernwatch {

void ResultWriter::BeginDocument() {
  content_.clear();
  AppendOpening();
  begun_ = true;
  ended_ = false;
}

void ResultWriter::EndDocument() {
  AppendClosing();
  ended_ = true;
}

void ResultWriter::BeginText() { AppendTextOpening(); }

void ResultWriter::AppendStatusText(const char* text) { AppendTextPiece(text); }

void ResultWriter::EndText() { AppendTextClosing(); }

void ResultWriter::AddChannel(const Channel& channel) {
  ++channel_count_;
  AppendChannel(channel, channel_count_);
}

void ResultWriter::SetErrorDocument(const char* message) {
  static const char kOpening[] = "<Prtg>\n<Error>1</Error>\n<Text>";
  static const char kClosing[] = "</Text>\n</Prtg>\n";
  // The message may be the document's own text, and however long it is the
  // document keeps its closing, so the message is cut to what fits, never
  // inside an entity.
  const size_t room = DocumentText::kCapacity - (sizeof kOpening - 1) - (sizeof kClosing - 1);
  DocumentText document(kOpening);
  AppendXmlContent(&document, message, DocumentText::npos, room);
  document.append(kClosing);
  content_ = document;
  begun_ = true;
  ended_ = true;
}

void ResultWriter::Append(const char* text) { content_.append(text); }

void ResultWriter::Print() {
  WriteOut(content_.c_str(), content_.size());
  if (begun_) printed_part_ = true;
  if (begun_ && ended_) printed_whole_ = true;
  content_.clear();
}

void ResultWriter::PrintLine() {
  Print();
  WriteOut("\n", 1);
}

void ResultWriter::PrintConsole(const char* text) { WriteOut(text, std::strlen(text)); }

void ResultWriter::PrintDestinationFile(const char* destination) {
  FixedText<63> line;
  line.format("* SapRfc.Ini.......: %s<\n", destination);
  PrintConsole(line.c_str());
}

void ResultWriter::PrintRfcErrorReport(const RfcErrorReport& report) {
  const int kWidth = 15;
  PrintConsole("RFC error\n");
  PrintField("operation/code", 0, kWidth, report.Operation);
  PrintField("key", 0, kWidth, report.Key);
  PrintField("status", 0, kWidth, report.Status);
  PrintField("message", 0, kWidth, report.Message);
  PrintField("internal status", 0, kWidth, report.InternalStatus);
  PrintConsole("\n");
  PrintConsole("* Programm aborted...\n");
  PrintConsole("* Error at EoXput-File...\n");
}

void ResultWriter::PrintField(const char* label, int indent, int width, const char* value) {
  FixedText<2047> line;
  line.format("%*.0s", indent, label);
  PrintConsole(line.c_str());
  // The value is written as it is: a report line is never cut short of
  // its line feed.
  line.format("%-*s : ", width, label);
  PrintConsole(line.c_str());
  PrintConsole(value);
  PrintConsole("\n");
}

void ResultWriter::CloseEarly(const char* message) {
  if (printed_whole_) return;
  if (!printed_part_) {
    SetErrorDocument(message);
  } else {
    content_.clear();
    BeginText();
    AppendStatusText(message);
    EndText();
    EndDocument();
  }
  Print();
}

void ResultWriter::WriteOut(const char* text, size_t length) {
  CurrentEnv().WriteOut(text, length);
}

}  // namespace fernwatch
