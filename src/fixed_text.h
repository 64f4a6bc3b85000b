// Fixed-capacity, zero-terminated texts: every run-wide value of the probe is
// one of these. A write that would pass the capacity is cut there, so no
// input can ever write past the buffer. A text holds no zero byte before its
// end: every write stops at one.
#ifndef FERNWATCH_FIXED_TEXT_H_
#define FERNWATCH_FIXED_TEXT_H_

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstring>

namespace fernwatch {

template <size_t Capacity>
class FixedText {
 public:
  static constexpr size_t kCapacity = Capacity;

  FixedText() { clear(); }
  explicit FixedText(const char* text) { assign(text); }

  const char* c_str() const { return buffer_; }
  size_t size() const { return length_; }
  bool empty() const { return length_ == 0; }
  char operator[](size_t i) const { return i < length_ ? buffer_[i] : '\0'; }

  void clear() {
    length_ = 0;
    buffer_[0] = '\0';
  }

  // Takes at most `count` bytes of `text`, stopping early at a zero byte.
  void assign(const char* text, size_t count) {
    clear();
    append(text, count);
  }
  void assign(const char* text) { assign(text, static_cast<size_t>(-1)); }
  template <size_t N>
  void assign(const FixedText<N>& other) {
    clear();
    append(other);
  }

  void append(const char* text, size_t count) {
    if (text == nullptr) return;
    size_t room = Capacity - length_;
    size_t limit = count < room ? count : room;
    // Measured, then copied in one piece: a table's rows pass here by the
    // thousand. strnlen stops at the first zero byte or at the bound,
    // whichever comes first, so it never reads past a shorter text.
    copy_in(text, strnlen(text, limit));
  }
  // Appends the first `count` bytes of `text`, which the caller has already
  // read: none of them is a zero byte. Cut at the capacity like every write.
  void append_measured(const char* text, size_t count) {
    size_t room = Capacity - length_;
    // Two copies, so that a count known where this is written (markup of
    // the result document) is copied without a call.
    if (count <= room) {
      copy_in(text, count);
    } else {
      copy_in(text, room);
    }
  }
  void append(const char* text) { append(text, static_cast<size_t>(-1)); }
  template <size_t N>
  // The other text's length is known: it is not measured again. (It is
  // never above N; saying so spares a compiler's false warning.)
  void append(const FixedText<N>& other) {
    append_measured(other.c_str(), other.size() < N ? other.size() : N);
  }
  void append_char(char c) {
    if (c == '\0' || length_ >= Capacity) return;
    buffer_[length_++] = c;
    buffer_[length_] = '\0';
  }

  // printf into the text, cut at the capacity.
  void format(const char* pattern, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 2, 3)))
#endif
  {
    va_list args;
    va_start(args, pattern);
    int written = std::vsnprintf(buffer_, Capacity + 1, pattern, args);
    va_end(args);
    size_t kept = written < 0 ? 0 : (static_cast<size_t>(written) > Capacity
                                         ? Capacity
                                         : static_cast<size_t>(written));
    // A "%c" of a zero byte ends the text there, as every other write would.
    length_ = strnlen(buffer_, kept);
    buffer_[length_] = '\0';
  }

  // Keeps the first `count` characters.
  void truncate(size_t count) {
    if (count < length_) {
      length_ = count;
      buffer_[length_] = '\0';
    }
  }
  // Drops the first `count` characters.
  void drop_front(size_t count) {
    if (count >= length_) {
      clear();
      return;
    }
    length_ -= count;
    // count < length_ <= Capacity; the modulo only tells the compiler so.
    std::memmove(buffer_, buffer_ + count % (Capacity + 1), length_ + 1);
  }

  bool equals(const char* text) const { return std::strcmp(buffer_, text) == 0; }
  bool starts_with(const char* text) const {
    return std::strncmp(buffer_, text, std::strlen(text)) == 0;
  }
  bool contains(const char* text) const { return find(text) != npos; }
  // Position of the first occurrence, or npos.
  size_t find(const char* text) const {
    const char* hit = std::strstr(buffer_, text);
    return hit == nullptr ? npos : static_cast<size_t>(hit - buffer_);
  }
  size_t find_char(char c) const {
    const char* hit = std::strchr(buffer_, c);
    return (hit == nullptr || c == '\0') ? npos : static_cast<size_t>(hit - buffer_);
  }

  void replace_all(char from, char to) {
    for (size_t i = 0; i < length_; ++i)
      if (buffer_[i] == from) buffer_[i] = to;
    if (to == '\0') length_ = std::strlen(buffer_);
  }
  // Letters a to z become A to Z; every other byte stays.
  void to_upper() {
    // The bound on the capacity says nothing new; it spares a compiler's
    // false warning of a write past the buffer.
    for (size_t i = 0; i < length_ && i < Capacity; ++i)
      if (buffer_[i] >= 'a' && buffer_[i] <= 'z') buffer_[i] -= 'a' - 'A';
  }

  static constexpr size_t npos = static_cast<size_t>(-1);

 private:
  // Appends `count` bytes that fit.
  void copy_in(const char* text, size_t count) {
    std::memcpy(buffer_ + length_, text, count);
    length_ += count;
    buffer_[length_] = '\0';
  }

  size_t length_;
  char buffer_[Capacity + 1];
};

}  // namespace fernwatch

#endif  // FERNWATCH_FIXED_TEXT_H_
