// Text written as XML content of the PRTG document: "&", "<" and ">" become
// the entities "&amp;", "&lt;" and "&gt;", so that no text from a table, a
// profile or a trace file can break the markup around it.
#ifndef FERNWATCH_OUTPUT_XML_CONTENT_H_
#define FERNWATCH_OUTPUT_XML_CONTENT_H_

#include <cstring>

#include "fixed_text.h"

namespace fernwatch {

// The entity that stands for `c` in XML content, or null when `c` stands
// for itself.
const char* XmlEntityOf(char c);

// Appends `text` to `target` with its "&", "<" and ">" as entities. Stops
// before the first character whose written form would take the target more
// than `room` characters further, or past its capacity: a cut text keeps
// every entity whole.
template <size_t N>
void AppendXmlContent(FixedText<N>* target, const char* text,
                      size_t room = static_cast<size_t>(-1)) {
  const size_t free = N - target->size();
  size_t left = room < free ? room : free;  // characters that may still be written
  // Runs of characters that stand for themselves go in one piece: a table's
  // rows pass here by the thousand.
  while (*text != '\0' && left > 0) {
    const size_t plain = std::strcspn(text, "&<>");
    const size_t taken = plain < left ? plain : left;
    target->append(text, taken);
    text += taken;
    left -= taken;
    if (taken < plain || *text == '\0') return;
    const char* entity = XmlEntityOf(*text);
    const size_t length = std::strlen(entity);
    if (length > left) return;
    target->append(entity);
    left -= length;
    ++text;
  }
}

}  // namespace fernwatch

#endif  // FERNWATCH_OUTPUT_XML_CONTENT_H_
