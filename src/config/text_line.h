// Reading configuration files line by line: into fixed buffers, where a
// longer line arrives in pieces, each of which is judged as a line of its
// own; or whole, for the files whose lines may run to any length.
#ifndef FERNWATCH_CONFIG_TEXT_LINE_H_
#define FERNWATCH_CONFIG_TEXT_LINE_H_

#include <string>

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

// Reads the next line whole, of any length, and strips the line end as
// ReadTextLine does. A zero byte ends the line's text: what follows it up
// to the line end belongs to no line. False, with `line` empty, at the end
// of the file.
bool ReadWholeLine(InputFile& file, std::string* line);

}  // namespace fernwatch

#endif  // FERNWATCH_CONFIG_TEXT_LINE_H_
