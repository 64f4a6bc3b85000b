// The reason of a failed remote call, as the library wrote it into its
// trace file "Dev_Rfc.Trc": the last error text of the last error block.
#include <cstring>
#include <memory>

#include "output/result_document.h"
#include "rfc/connection.h"
#include "run_state.h"

namespace fernwatch {
namespace {

// The library's lines are read in pieces of this size; each piece is
// judged as a line of its own.
constexpr size_t kPieceLength = 99;

using TraceMessage = FixedText<kPieceLength>;

// Without the line end the text was read with.
void DropLineEnd(char* piece) {
  size_t length = std::strlen(piece);
  if (length > 0 && piece[length - 1] == '\n') piece[--length] = '\0';
  if (length > 0 && piece[length - 1] == '\r') piece[--length] = '\0';
}

// The text from `offset` on, empty when the line is shorter.
void TakeFrom(const char* piece, size_t offset, TraceMessage* message) {
  message->clear();
  if (std::strlen(piece) > offset) message->assign(piece + offset);
}

// A block begins with "**** ERROR "; its text stands on an "ERROR " line
// from the 13th character, or on a line with "======> " at the 8th.
void JudgeLine(const char* piece, TraceMessage* message) {
  if (std::strncmp(piece, "**** ERROR ", 11) == 0) message->clear();
  if (std::strncmp(piece, "ERROR ", 6) == 0) TakeFrom(piece, 12, message);
  if (std::strlen(piece) >= 15 && std::strncmp(piece + 7, "======> ", 8) == 0)
    TakeFrom(piece, 15, message);
}

}  // namespace

void AppendTraceMessage() {
  std::unique_ptr<InputFile> file = CurrentEnv().OpenText("Dev_Rfc.Trc");
  if (!file) {
    AppendToDocument(" - Look for Trace-File");
    return;
  }
  TraceMessage message;
  char piece[kPieceLength + 1];
  for (;;) {
    std::memset(piece, 0, sizeof piece);
    if (!file->ReadLine(piece, sizeof piece)) break;
    DropLineEnd(piece);
    JudgeLine(piece, &message);
  }
  file.reset();

  if (message.empty()) {
    AppendToDocument(" - Please Check Trace-File !");
    return;
  }
  AppendToDocument(" - ");
  AppendToDocument(message.c_str());
}

}  // namespace fernwatch
