// Text written as XML content of the PRTG document: "&", "<" and ">" become
// the entities "&amp;", "&lt;" and "&gt;", so that no text from a table, a
// profile or a trace file can break the markup around it.
#ifndef FERNWATCH_OUTPUT_XML_CONTENT_H_
#define FERNWATCH_OUTPUT_XML_CONTENT_H_

#include <array>
#include <cstring>

#include "fixed_text.h"

namespace fernwatch {

// The entity that stands for `c` in XML content, or null when `c` stands
// for itself.
const char* XmlEntityOf(char c);

// For each byte, whether it is written as it is: every byte but "&", "<",
// ">" and the zero that ends a text.
extern const std::array<bool, 256> kWrittenAsItIs;

// Appends at most `count` characters of `text` (fewer at its zero byte) to
// `target`, with "&", "<" and ">" as entities. Stops before the first
// character whose written form would take the target more than `room`
// characters further, or past its capacity: a cut text keeps every entity
// whole.
template <size_t N>
void AppendXmlContent(FixedText<N>* target, const char* text, size_t count, size_t room) {
  const size_t free = N - target->size();
  size_t left = room < free ? room : free;  // characters that may still be written
  size_t at = 0;
  while (at < count && text[at] != '\0') {
    // Runs of characters that stand for themselves go in one piece: a
    // table's rows pass here by the thousand.
    size_t end = at;
    while (end < count && kWrittenAsItIs[static_cast<unsigned char>(text[end])]) ++end;
    if (end > at) {
      const size_t run = end - at;
      const size_t taken = run < left ? run : left;
      target->append_measured(text + at, taken);
      if (taken < run) return;
      left -= taken;
      at = end;
      continue;
    }
    const char* entity = XmlEntityOf(text[at]);
    const size_t length = std::strlen(entity);
    if (length > left) return;
    target->append_measured(entity, length);
    left -= length;
    ++at;
  }
}

// The whole of `text`, as far as the target holds it.
template <size_t N>
void AppendXmlContent(FixedText<N>* target, const char* text) {
  AppendXmlContent(target, text, FixedText<N>::npos, FixedText<N>::npos);
}

}  // namespace fernwatch

#endif  // FERNWATCH_OUTPUT_XML_CONTENT_H_
