// Reading configuration files line by line into fixed buffers: a longer
// line arrives in pieces, each of which is judged as a line of its own.
#ifndef FERNWATCH_CONFIG_TEXT_LINE_H_
#define FERNWATCH_CONFIG_TEXT_LINE_H_

#include "fixed_text.h"
#include "platform/env.h"

namespace fernwatch {

// Removes one carriage return at the end, then one line feed at the end.
template <size_t N>
void StripLineEnd(FixedText<N>* line) {
  if (line->size() > 0 && (*line)[line->size() - 1] == '\r') line->truncate(line->size() - 1);
  if (line->size() > 0 && (*line)[line->size() - 1] == '\n') line->truncate(line->size() - 1);
}

// Reads at most `limit` characters (never more than the capacity of `line`)
// and strips the line end. False at the end of the file.
template <size_t N>
bool ReadTextLine(InputFile& file, FixedText<N>* line, size_t limit = N) {
  char buffer[N + 1];
  if (!file.ReadLine(buffer, (limit < N ? limit : N) + 1)) {
    line->clear();
    return false;
  }
  line->assign(buffer, N);
  StripLineEnd(line);
  return true;
}

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_TEXT_LINE_H_
