// Text written as XML content of a PRTG document. Whatever bytes a table,
// a profile, the arguments or a trace file hold, the document stays pure
// ASCII and well-formed: each text is decoded from the probe's code page
// (platform/code_page.h); "&", "<" and ">" become "&amp;", "&lt;" and
// "&gt;"; every character above 0x7E becomes a numeric character reference
// such as "&#xF6;"; a character that cannot be converted becomes "?"; and
// a control character other than TAB, LF and CR becomes a blank. A text of
// printable ASCII, TAB, LF and CR is written as it is.
#ifndef FERNWATCH_OUTPUT_XML_CONTENT_H_
#define FERNWATCH_OUTPUT_XML_CONTENT_H_

#include <cstring>

#include "fixed_text.h"

namespace fernwatch {

// Which control characters stand for themselves: TAB, LF and CR in the
// described PRTG XML; none in the PRTG-native form, where every one is a
// blank.
enum class XmlControls { kKeepLineEnds, kBlankAll };

// How one character of a text is written.
struct XmlCharacter {
  char written[12];  // zero-terminated: the character, an entity or a reference
  size_t length;     // of `written`
  size_t taken;      // bytes of the text it stands for
};

// The first character of `text`, of `length` bytes (at least one).
XmlCharacter XmlCharacterAt(const char* text, size_t length,
                            XmlControls controls = XmlControls::kKeepLineEnds);

// Appends at most `count` bytes of `text` (fewer at its zero byte) to
// `target` as XML content: the text is cut first, then converted. Stops
// before the first character whose written form would take the target
// more than `room` characters further, or past its capacity: a cut text
// keeps every entity and reference whole.
template <size_t N>
void AppendXmlContent(FixedText<N>* target, const char* text, size_t count, size_t room) {
  const size_t free = N - target->size();
  size_t left = room < free ? room : free;  // characters that may still be written
  const size_t length = strnlen(text, count);
  size_t at = 0;
  while (at < length) {
    const XmlCharacter character = XmlCharacterAt(text + at, length - at);
    if (character.length > left) return;
    target->append_measured(character.written, character.length);
    left -= character.length;
    at += character.taken;
  }
}

// The whole of `text`, as far as the target holds it.
template <size_t N>
void AppendXmlContent(FixedText<N>* target, const char* text) {
  AppendXmlContent(target, text, FixedText<N>::npos, FixedText<N>::npos);
}

}  // namespace fernwatch

#endif  // FERNWATCH_OUTPUT_XML_CONTENT_H_
