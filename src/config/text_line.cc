#include "config/text_line.h"

#include <cstring>

namespace fernwatch {
namespace {

constexpr size_t kPieceSize = 512;

// The same ends as StripLineEnd: one carriage return, then one line feed.
void StripWholeLineEnd(std::string* line) {
  if (!line->empty() && line->back() == '\r') line->pop_back();
  if (!line->empty() && line->back() == '\n') line->pop_back();
}

}  // namespace

// A piece that fills the buffer has its zero in the last place; one that
// stops short of it ends at the line end or the file end. The mark in the
// last place tells the two apart even when the piece holds a zero byte.
bool ReadWholeLine(InputFile& file, std::string* line) {
  line->clear();
  char piece[kPieceSize];
  bool read = false;
  bool text_ended = false;
  for (;;) {
    piece[kPieceSize - 1] = 'x';
    if (!file.ReadLine(piece, kPieceSize)) break;
    read = true;
    const size_t length = std::strlen(piece);
    if (!text_ended) line->append(piece, length);
    const bool filled = piece[kPieceSize - 1] == '\0';
    if (!filled || piece[kPieceSize - 2] == '\n') break;
    if (length < kPieceSize - 1) text_ended = true;  // a zero byte in the piece
  }
  StripWholeLineEnd(line);
  return read;
}

}  // namespace fernwatch
