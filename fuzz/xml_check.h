// A strict reading of the XML documents the probe writes: elements without
// attributes, character data and references, an optional XML declaration
// and nothing but white space around the one root element. Every byte must
// be printable ASCII, TAB, LF or CR, and every reference must stand for a
// character that XML allows. A document that passes here parses with any
// conforming XML parser and decodes the same in every reader.
#ifndef FERNWATCH_FUZZ_XML_CHECK_H_
#define FERNWATCH_FUZZ_XML_CHECK_H_

#include <cctype>
#include <string>

namespace fernwatch {

class XmlCheck {
 public:
  explicit XmlCheck(const std::string& text) : text_(text) {}

  // True when the whole text is one well-formed document as above.
  bool Document() {
    for (char c : text_)
      if (!IsAllowedByte(static_cast<unsigned char>(c))) return false;
    if (text_.compare(0, 5, "<?xml") == 0 && !SkipPast("?>")) return false;
    SkipSpace();
    if (!Element()) return false;
    SkipSpace();
    return at_ == text_.size();
  }

 private:
  static bool IsAllowedByte(unsigned char c) {
    return (c >= 0x20 && c <= 0x7E) || c == '\t' || c == '\n' || c == '\r';
  }
  static bool IsNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '_' || c == '-' || c == '.';
  }
  static bool IsXmlCharacter(unsigned long code) {
    if (code < 0x20) return code == '\t' || code == '\n' || code == '\r';
    return (code <= 0xD7FF) || (code >= 0xE000 && code <= 0xFFFD) ||
           (code >= 0x10000 && code <= 0x10FFFF);
  }

  bool SkipPast(const char* end) {
    size_t found = text_.find(end, at_);
    if (found == std::string::npos) return false;
    at_ = found + std::string(end).size();
    return true;
  }
  void SkipSpace() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                  text_[at_] == '\n' || text_[at_] == '\r'))
      ++at_;
  }
  bool Name(std::string* name) {
    size_t start = at_;
    if (at_ >= text_.size() || !(std::isalpha(static_cast<unsigned char>(text_[at_])) ||
                                 text_[at_] == '_'))
      return false;
    while (at_ < text_.size() && IsNameCharacter(text_[at_])) ++at_;
    *name = text_.substr(start, at_ - start);
    return true;
  }
  bool Reference() {
    size_t end = text_.find(';', at_);
    if (end == std::string::npos) return false;
    std::string body = text_.substr(at_ + 1, end - at_ - 1);
    at_ = end + 1;
    if (body == "amp" || body == "lt" || body == "gt" || body == "quot" || body == "apos")
      return true;
    bool hex = body.size() > 2 && body[0] == '#' && body[1] == 'x';
    size_t digits = hex ? 2 : 1;
    if (body.size() <= digits || body[0] != '#' || body.size() - digits > 8) return false;
    unsigned long code = 0;
    for (size_t i = digits; i < body.size(); ++i) {
      char c = body[i];
      int value = c >= '0' && c <= '9' ? c - '0'
                  : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                  : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                : -1;
      if (value < 0) return false;
      code = code * (hex ? 16 : 10) + static_cast<unsigned long>(value);
    }
    return IsXmlCharacter(code);
  }
  // An element and everything in it.
  bool Element() {
    std::string name;
    if (at_ >= text_.size() || text_[at_] != '<') return false;
    ++at_;
    if (!Name(&name)) return false;
    SkipSpace();
    if (text_.compare(at_, 2, "/>") == 0) {
      at_ += 2;
      return true;
    }
    if (at_ >= text_.size() || text_[at_] != '>') return false;
    ++at_;
    for (;;) {
      if (at_ >= text_.size()) return false;
      const char c = text_[at_];
      if (c == '&') {
        if (!Reference()) return false;
      } else if (c == '<' && text_.compare(at_, 2, "</") == 0) {
        at_ += 2;
        std::string closing;
        if (!Name(&closing) || closing != name) return false;
        SkipSpace();
        if (at_ >= text_.size() || text_[at_] != '>') return false;
        ++at_;
        return true;
      } else if (c == '<') {
        if (!Element()) return false;
      } else if (c == '>' && at_ >= 2 && text_.compare(at_ - 2, 2, "]]") == 0) {
        return false;
      } else {
        ++at_;
      }
    }
  }

  const std::string& text_;
  size_t at_ = 0;
};

// Whether `text` is one well-formed, pure-ASCII document.
inline bool IsWellFormedXml(const std::string& text) { return XmlCheck(text).Document(); }

}  // namespace fernwatch

#endif  // FERNWATCH_FUZZ_XML_CHECK_H_
