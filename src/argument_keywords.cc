#include "argument_keywords.h"

#include <cstdlib>
#include <cstring>

namespace fernwatch {
namespace {

const char kItem[] = "ITEM=";
const char kSensorOverview[] = "SENSOR(S)";
const char kStates[] = ",STATE";
const char kTrace[] = ",SYSLOG";
const char kChannel[] = "CH=";
const char kHost[] = ",HOST=";
const char kSysnr[] = ",NO=";
const char kTimeout[] = ",TIMEOUT=";
const char kNative[] = ",NATIVE";

// Where the value after `keyword` starts in the argument text, or npos.
size_t ValueStart(const char* keyword) {
  size_t at = g_run.ArgumentText.find(keyword);
  return at == ArgumentLine::npos ? at : at + std::strlen(keyword);
}

// The typed case, position for position with the upper-cased text.
bool TypedValue(const char* keyword, ArgumentLine* value) {
  value->clear();
  size_t start = ValueStart(keyword);
  if (start == ArgumentLine::npos) return false;
  const ArgumentLine& typed = g_run.TypedArgumentText;
  for (size_t i = start; i < typed.size(); ++i) {
    char c = typed[i];
    if (c == ',' || c == ' ') break;
    value->append_char(c);
  }
  return true;
}

}  // namespace

const char* TypedItemValue() {
  size_t start = ValueStart(kItem);
  if (start == ArgumentLine::npos) return nullptr;
  const ArgumentLine& typed = g_run.TypedArgumentText;
  return typed.c_str() + (start < typed.size() ? start : typed.size());
}

bool AsksForSensorOverview() { return g_run.ArgumentText.contains(kSensorOverview); }

bool AsksForStates() { return g_run.ArgumentText.contains(kStates); }

bool AsksForTrace() { return g_run.ArgumentText.contains(kTrace); }

bool SelectsChannel() { return g_run.ArgumentText.contains(kChannel); }

long SelectedChannel() {
  size_t start = ValueStart(kChannel);
  if (start == ArgumentLine::npos) return 0;
  const ArgumentLine& text = g_run.ArgumentText;
  FixedText<3> digits;
  for (size_t i = start; i < text.size() && digits.size() < digits.kCapacity; ++i) {
    if (text[i] == ',') break;
    digits.append_char(text[i]);
  }
  return std::strtol(digits.c_str(), nullptr, 10);
}

bool HostOverride(ArgumentLine* value) { return TypedValue(kHost, value); }

bool SysnrOverride(ArgumentLine* value) { return TypedValue(kSysnr, value); }

bool AsksForNativeForm(const ArgumentLine& text) {
  ArgumentLine upper = text;
  upper.to_upper();
  return upper.contains(kNative);
}

bool TimeoutValue(const ArgumentLine& text, ArgumentLine* value) {
  value->clear();
  ArgumentLine upper = text;
  upper.to_upper();
  size_t at = upper.find(kTimeout);
  if (at == ArgumentLine::npos) return false;
  for (size_t i = at + std::strlen(kTimeout); i < text.size(); ++i) {
    if (text[i] == ',' || text[i] == ' ') break;
    value->append_char(text[i]);
  }
  return true;
}

}  // namespace fernwatch
