#include "output/result_writer.h"

#include <cstring>

#include "output/xml_content.h"

namespace fernwatch {

void ResultWriter::BeginDocument() {
  Hold hold(*this);
  content_.clear();
  AppendOpening();
  begun_ = true;
  ended_ = false;
}

void ResultWriter::EndDocument() {
  Hold hold(*this);
  AppendClosing();
  ended_ = true;
}

void ResultWriter::BeginText() {
  Hold hold(*this);
  AppendTextOpening();
}

void ResultWriter::AppendStatusText(const char* text) {
  Hold hold(*this);
  AppendTextPiece(text);
}

void ResultWriter::EndText() {
  Hold hold(*this);
  AppendTextClosing();
}

void ResultWriter::AddChannel(const Channel& channel) {
  Hold hold(*this);
  ++channel_count_;
  AppendChannel(channel, channel_count_);
}

void ResultWriter::NoteSensorRows(const SensorRows& rows) {
  Hold hold(*this);
  TakeSensorRows(rows);
}

void ResultWriter::NoteSystem(const char* name, SystemResult result) {
  Hold hold(*this);
  TakeSystem(name, result);
}

void ResultWriter::SetErrorDocument(const char* message) {
  Hold hold(*this);
  ComposeErrorDocument(message);
  begun_ = true;
  ended_ = true;
}

void ResultWriter::ComposeErrorDocument(const char* message) {
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
}

void ResultWriter::Append(const char* text) {
  Hold hold(*this);
  AppendTextPiece(text);
}

void ResultWriter::Print() {
  Hold hold(*this);
  PrintDocumentPart();
}

bool ResultWriter::PrintDocumentPart() {
  if (!PrintPending()) return false;
  if (begun_) printed_part_ = true;
  if (begun_ && ended_) printed_whole_ = true;
  return true;
}

bool ResultWriter::PrintPending() {
  WriteOut(content_.c_str(), content_.size());
  content_.clear();
  return true;
}

void ResultWriter::PrintLine() {
  Hold hold(*this);
  if (PrintDocumentPart()) WriteOut("\n", 1);
}

void ResultWriter::PrintConsole(const char* text) {
  Hold hold(*this);
  WriteOut(text, std::strlen(text));
}

void ResultWriter::PrintDestinationFile(const char* destination) {
  Hold hold(*this);
  FixedText<63> line;
  line.format("* SapRfc.Ini.......: %s<\n", destination);
  PrintNote(line.c_str());
}

void ResultWriter::PrintRfcErrorReport(const RfcErrorReport& report) {
  Hold hold(*this);
  WriteReport(report);
}

void ResultWriter::WriteReport(const RfcErrorReport& report) {
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
  Hold hold(*this);
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

void ResultWriter::Empty() {
  Hold hold(*this);
  content_.clear();
}

int32_t ResultWriter::ChannelCount() {
  Hold hold(*this);
  return channel_count_;
}

bool ResultWriter::PrintedPartOfDocument() {
  Hold hold(*this);
  return printed_part_;
}

bool ResultWriter::PrintedWholeDocument() {
  Hold hold(*this);
  return printed_whole_;
}

bool ResultWriter::Flush() {
  Hold hold(*this);
  return CurrentEnv().FlushOut();
}

void ResultWriter::PrintNote(const char* line) { PrintConsole(line); }

void ResultWriter::CloseEarly(const char* message) {
  Hold hold(*this);
  if (printed_whole_) return;
  if (begun_ && ended_) {
    // The closing is handed over: the document stands as the run wrote it.
  } else if (!printed_part_) {
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

void ResultWriter::PrintToStandardError(const char* text) {
  CurrentEnv().WriteError(text, std::strlen(text));
}

}  // namespace fernwatch
