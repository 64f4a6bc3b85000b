// C:\PRTG_Path.Txt as written by ordinary Windows tools: Notepad's UTF-8
// with a byte-order mark, PowerShell's UTF-16LE, or plain ANSI.
#include <cstring>

#include "config/config_path.h"
#include "config/locate_steps.h"

namespace fernwatch {
namespace {

const char kUtf16LeMark[] = "\xFF\xFE";
constexpr char kCtrlZ = 0x1a;

bool StartsWith(const std::string& text, const char* mark) {
  return text.compare(0, std::strlen(mark), mark) == 0;
}

std::string AllBytesOf(InputFile& file) {
  std::string bytes;
  char chunk[4096];
  size_t count;
  while ((count = file.Read(chunk, sizeof chunk)) > 0) bytes.append(chunk, count);
  return bytes;
}

// What Windows text mode makes of the text: a CR LF pair is an LF, and a
// Ctrl-Z ends it.
std::string AsTextModeReadsIt(const std::string& text) {
  std::string lines;
  for (size_t i = 0; i < text.size() && text[i] != kCtrlZ; ++i)
    if (text[i] != '\r' || i + 1 >= text.size() || text[i + 1] != '\n') lines += text[i];
  return lines;
}

}  // namespace

bool ReadPrtgPathText(const char* path, std::string* text) {
  std::unique_ptr<InputFile> file = CurrentEnv().OpenRaw(path);
  if (file == nullptr) return false;
  std::string bytes = AllBytesOf(*file);
  file.reset();
  if (StartsWith(bytes, kUtf8ByteOrderMark))
    bytes.erase(0, std::strlen(kUtf8ByteOrderMark));
  else if (StartsWith(bytes, kUtf16LeMark))
    bytes = CurrentEnv().NarrowFromUtf16(bytes.data() + 2, bytes.size() - 2);
  *text = AsTextModeReadsIt(bytes);
  return true;
}

}  // namespace fernwatch
