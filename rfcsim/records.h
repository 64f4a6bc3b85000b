// The files the stand-in library writes and reads in the working directory:
// the trace file Dev_Rfc.Trc, the journal, RfcSim.ini and SapRfc.ini.
#ifndef FERNWATCH_RFCSIM_RECORDS_H_
#define FERNWATCH_RFCSIM_RECORDS_H_

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rfcsim {

enum class TraceLine {
  kError,      // "ERROR       <text>"
  kHighlight,  // "       ======> <text>", for logon failures and system exceptions
};

// Appends one error block to Dev_Rfc.Trc, unless the settings turn the trace
// off; with a `trace_block` file set, that file's bytes instead.
void TraceError(TraceLine kind, const std::string& text);
// A function module ended in an exception: the library writes no block of
// its own for that, but appends the `trace_block` file's bytes when one is
// set and the trace is on.
void TraceException();
// Appends one block naming lines of RfcSim.ini that were ignored.
void TraceWarnings(const std::vector<std::string>& lines);

// Appends one line to the journal, when the settings name one.
void Journal(const std::string& line);

// Bytes read from a file. Unlike a std::string's, their room is not
// cleared before the file is read into it: RfcSim.ini may be large.
class FileBytes {
 public:
  FileBytes() = default;
  // The bytes move to their new owner and stay where they are, so views of
  // them stay good; the owner moved from holds none.
  FileBytes(FileBytes&& other) noexcept { *this = std::move(other); }
  FileBytes& operator=(FileBytes&& other) noexcept {
    if (this == &other) return *this;
    bytes_ = std::move(other.bytes_);
    size_ = other.size_;
    other.size_ = 0;
    return *this;
  }

  std::string_view view() const { return std::string_view(bytes_.get(), size_); }

 private:
  friend void ReadToEnd(std::FILE* file, size_t expected, FileBytes* content);

  std::unique_ptr<char[]> bytes_;
  size_t size_ = 0;
};

// The whole content of a file; false when it cannot be opened.
bool ReadWholeFile(const char* name, std::string* content);
// The rest of an open file, read in one go when it holds `expected` bytes
// (more or fewer are read as well).
void ReadToEnd(std::FILE* file, size_t expected, FileBytes* content);

// Quoted as the journal shows character values: "text", or (null).
std::string Quoted(const char* text);
std::string Quoted(const std::string& text);

}  // namespace rfcsim

#endif  // FERNWATCH_RFCSIM_RECORDS_H_
