#include "rfcsim/records.h"

#include <cstdio>
#include <ctime>

#include "rfcsim/landscape_file.h"

namespace rfcsim {

namespace {

const char kTraceFile[] = "Dev_Rfc.Trc";

std::string LocalTime(const char* format) {
  std::time_t now = std::time(nullptr);
  std::tm* local = std::localtime(&now);
  char text[64] = "";
  if (local != nullptr) std::strftime(text, sizeof text, format, local);
  return text;
}

// Writes the lines as one block in text mode, so they end the way the
// platform's text files do.
void AppendBlock(const char* head, const std::vector<std::string>& body) {
  std::FILE* file = std::fopen(kTraceFile, "a");
  if (file == nullptr) return;
  std::fprintf(file, "**** %s file opened at %s\n", head, LocalTime("%Y%m%d %H%M%S").c_str());
  std::fputs("LOCATION    stand-in RFC library\n", file);
  for (const std::string& line : body) std::fprintf(file, "%s\n", line.c_str());
  std::fprintf(file, "TIME        %s\n", LocalTime("%a %b %d %H:%M:%S %Y").c_str());
  std::fclose(file);
}

// The bytes of the file `name` as they are, in binary mode; a file that
// cannot be read adds nothing, though the trace file is still made.
void AppendFileBytes(const std::string& name) {
  std::FILE* trace = std::fopen(kTraceFile, "ab");
  if (trace == nullptr) return;
  std::FILE* block = std::fopen(name.c_str(), "rb");
  if (block != nullptr) {
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, block)) > 0) {
      std::fwrite(buffer, 1, got, trace);
    }
    std::fclose(block);
  }
  std::fclose(trace);
}

}  // namespace

void TraceError(TraceLine kind, const std::string& text) {
  const LibrarySettings& settings = Settings();
  if (!settings.trace) return;
  if (!settings.trace_block.empty()) return AppendFileBytes(settings.trace_block);
  const char* lead = kind == TraceLine::kError ? "ERROR       " : "       ======> ";
  AppendBlock("ERROR", {lead + text});
}

void TraceException() {
  const LibrarySettings& settings = Settings();
  if (settings.trace && !settings.trace_block.empty()) AppendFileBytes(settings.trace_block);
}

// Not an error block: the probe takes the reason of a failure from the
// last error block, and an ignored line is no such reason.
void TraceWarnings(const std::vector<std::string>& lines) {
  if (lines.empty() || !Settings().trace) return;
  std::vector<std::string> body;
  for (const std::string& line : lines) body.push_back("WARNING     " + line);
  AppendBlock("WARNING", body);
}

void Journal(const std::string& line) {
  const std::string& name = Settings().journal;
  if (name.empty()) return;
  std::FILE* file = std::fopen(name.c_str(), "a");
  if (file == nullptr) return;
  std::fwrite(line.data(), 1, line.size(), file);
  std::fputc('\n', file);
  std::fclose(file);
}

bool ReadWholeFile(const char* name, std::string* content) {
  std::FILE* file = std::fopen(name, "rb");
  if (file == nullptr) return false;
  content->clear();
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) content->append(buffer, got);
  std::fclose(file);
  return true;
}

std::string Quoted(const char* text) {
  return text == nullptr ? std::string("(null)") : Quoted(std::string(text));
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace rfcsim
