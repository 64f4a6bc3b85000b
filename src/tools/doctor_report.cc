// The doctor's lines: fixed words first, so that a person scanning them
// and a script reading them both find the faults.
#include <cstring>

#include "platform/env.h"
#include "tools/doctor.h"

namespace fernwatch {
namespace {

using DoctorLine = FixedText<2047>;

// Every occurrence of `secret` in `line` becomes asterisks.
void HideSecret(const char* secret, DoctorLine* line) {
  if (secret == nullptr || secret[0] == '\0') return;
  const size_t length = std::strlen(secret);
  DoctorLine hidden;
  for (const char* at = line->c_str(); *at != '\0';) {
    if (std::strncmp(at, secret, length) == 0) {
      hidden.append("********");
      at += length;
    } else {
      hidden.append_char(*at++);
    }
  }
  *line = hidden;
}

void PrintLine(const DoctorReport& report, DoctorLine* line) {
  HideSecret(report.Secret, line);
  CurrentEnv().WriteOut(line->c_str());
  CurrentEnv().WriteOut("\n");
}

bool EndsSentence(const char* text) {
  size_t length = std::strlen(text);
  return length > 0 && std::strchr(".!", text[length - 1]) != nullptr;
}

}  // namespace

void ReportOk(DoctorReport* report, const char* check, const char* found) {
  DoctorLine line;
  line.format("OK    %s: %s", check, found);
  PrintLine(*report, &line);
}

void ReportFault(DoctorReport* report, const char* check, const char* fault, const char* fix) {
  ++report->Faults;
  DoctorLine line;
  line.format("FAULT %s: %s", check, fault);
  if (fix[0] != '\0') {
    if (!EndsSentence(fault)) line.append(".");
    line.append(" Fix: ");
    line.append(fix);
  }
  PrintLine(*report, &line);
}

}  // namespace fernwatch
