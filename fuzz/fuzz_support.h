// What every fuzz target shares: the entry point libFuzzer calls (the
// replay program calls it the same way), one input taken apart, and one
// run of the probe that starts from the record's start values, reads and
// writes only files in memory and throws where it would end the process.
#ifndef FERNWATCH_FUZZ_FUZZ_SUPPORT_H_
#define FERNWATCH_FUZZ_FUZZ_SUPPORT_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "run_state.h"
#include "support/memory_env.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fernwatch {

// An input read from the front: single bytes, parts that end at a zero
// byte, and the rest.
class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size)
      : text_(reinterpret_cast<const char*>(data), size) {}

  bool empty() const { return at_ >= text_.size(); }
  // The next byte; 0 when the input is used up.
  unsigned char NextByte() { return empty() ? 0 : static_cast<unsigned char>(text_[at_++]); }
  // The bytes up to the next zero byte, which is taken too; all that is
  // left when there is none.
  std::string NextPart() {
    size_t end = text_.find('\0', at_);
    if (end == std::string::npos) end = text_.size();
    std::string part = empty() ? std::string() : text_.substr(at_, end - at_);
    at_ = end + 1;
    return part;
  }
  std::string Rest() {
    std::string rest = empty() ? std::string() : text_.substr(at_);
    at_ = text_.size();
    return rest;
  }

 private:
  std::string text_;
  size_t at_ = 0;
};

// One run per input: the record at its start values and an Env of its own,
// both left so when the input is done.
class FuzzRun {
 public:
  FuzzRun() { ResetRunState(); }
  ~FuzzRun() { ResetRunState(); }
  FuzzRun(const FuzzRun&) = delete;
  FuzzRun& operator=(const FuzzRun&) = delete;

  MemoryEnv env;
};

// A property every input must keep; a broken one is a finding.
inline void FuzzExpect(bool kept, const char* property) {
  if (kept) return;
  std::fprintf(stderr, "broken: %s\n", property);
  std::abort();
}

inline bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

inline bool StartsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

// The error document as the caller reads it: the message between the
// opening and the closing, and nothing else; in the described form, or in
// the PRTG-native one (",NATIVE").
inline bool IsErrorDocument(const std::string& text) {
  return (StartsWith(text, "<Prtg>\n<Error>1</Error>\n<Text>") &&
          EndsWith(text, "</Text>\n</Prtg>\n")) ||
         (StartsWith(text, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<prtg>\n<error>1</error>\n"
                           "<text>") &&
          EndsWith(text, "</text>\n</prtg>\n"));
}

}  // namespace fernwatch

#endif  // FERNWATCH_FUZZ_FUZZ_SUPPORT_H_
