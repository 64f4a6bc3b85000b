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
  const size_t limit = target->size() + (room < free ? room : free);
  for (; *text != '\0'; ++text) {
    const char* entity = XmlEntityOf(*text);
    const size_t length = entity != nullptr ? std::strlen(entity) : 1;
    if (target->size() + length > limit) return;
    if (entity != nullptr) target->append(entity);
    else target->append_char(*text);
  }
}

}  // namespace fernwatch

#endif  // FERNWATCH_OUTPUT_XML_CONTENT_H_
