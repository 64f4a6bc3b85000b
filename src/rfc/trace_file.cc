// The reason of a failed remote call, as the library wrote it into its
// trace file "Dev_Rfc.Trc": the last error text of the last error block
// written since this run's open. The file is kept after every failure, so
// what it held before the open belongs to earlier runs (of other systems,
// too) and never gives the reason.
#include <cstring>
#include <memory>

#include "rfc/connection.h"
#include "rfc/rfc_state.h"

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

// Where this run's part of the file begins: at its size before the open,
// or at its start when there was none then or it has become shorter since
// (it was removed and written anew).
uint64_t StartOfThisRun() {
  const int64_t before = RfcState().TraceSizeAtOpen;
  const int64_t now = CurrentEnv().FileSize(kLibraryTraceFile);
  if (before <= 0 || now < before) return 0;
  return static_cast<uint64_t>(before);
}

// Positions `file` at the first line that begins at `start` or after it,
// so that the pieces are cut as in a reading from the start. The rest of a
// line begun before `start` was written before the open (perhaps by another
// run still writing it) and is no line of its own. False when no line
// follows.
bool SkipToLineFrom(InputFile& file, uint64_t start) {
  if (start == 0) return true;
  if (!file.Seek(start - 1)) return false;
  char piece[kPieceLength + 1];
  for (;;) {
    if (!file.ReadLine(piece, sizeof piece)) return false;
    size_t length = std::strlen(piece);
    if (length > 0 && piece[length - 1] == '\n') return true;
  }
}

void ReadLastMessage(InputFile& file, TraceMessage* message) {
  char piece[kPieceLength + 1];
  for (;;) {
    std::memset(piece, 0, sizeof piece);
    if (!file.ReadLine(piece, sizeof piece)) break;
    DropLineEnd(piece);
    JudgeLine(piece, message);
  }
}

}  // namespace

void AppendTraceMessage(ResultWriter& writer) {
  const uint64_t start = StartOfThisRun();
  std::unique_ptr<InputFile> file = CurrentEnv().OpenText(kLibraryTraceFile);
  if (!file) {
    writer.Append(" - Look for Trace-File");
    return;
  }
  TraceMessage message;
  if (SkipToLineFrom(*file, start)) ReadLastMessage(*file, &message);
  file.reset();

  if (message.empty()) {
    writer.Append(" - Please Check Trace-File !");
    return;
  }
  writer.Append(" - ");
  writer.Append(message.c_str());
}

}  // namespace fernwatch
