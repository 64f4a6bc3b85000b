#include "rfcsim/parameters.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace rfcsim {

namespace {

// Names are short; a missing terminator must not send the scan far.
const size_t kLongestName = 1024;

size_t IntegerSize(unsigned type) {
  switch (type) {
    case TYPINT: return 4;
    case TYPINT2: return 2;
    case TYPINT1: return 1;
    default: return 0;
  }
}

bool IsCharacterType(unsigned type) {
  return type == TYPC || type == TYPDATE || type == TYPTIME || type == TYPNUM;
}

void WriteNumber(const RFC_PARAMETER& parameter, long number) {
  size_t size = IntegerSize(parameter.type);
  if (parameter.leng < size) return;
  if (size == 4) {
    int32_t value = static_cast<int32_t>(number);
    std::memcpy(parameter.addr, &value, 4);
  } else if (size == 2) {
    int16_t value = static_cast<int16_t>(number);
    std::memcpy(parameter.addr, &value, 2);
  } else {
    uint8_t value = static_cast<uint8_t>(number);
    std::memcpy(parameter.addr, &value, 1);
  }
}

void WriteText(const RFC_PARAMETER& parameter, const std::string& text) {
  char* buffer = static_cast<char*>(parameter.addr);
  size_t copied = text.size() < parameter.leng ? text.size() : parameter.leng;
  std::memcpy(buffer, text.data(), copied);
  std::memset(buffer + copied, ' ', parameter.leng - copied);
}

}  // namespace

Value Number(long number) {
  Value value;
  value.is_number = true;
  value.number = number;
  return value;
}

Value Text(const std::string& text) {
  Value value;
  value.text = text;
  return value;
}

std::string EntryName(const void* name, unsigned nlen) {
  const char* text = static_cast<const char*>(name);
  if (text == nullptr) return std::string();
  size_t length = nlen;
  if (length == 0) {
    while (length < kLongestName && text[length] != '\0') ++length;
  }
  return std::string(text, length);
}

bool IsIntegerType(unsigned type) { return IntegerSize(type) > 0; }

std::string RawText(const RFC_PARAMETER& parameter) {
  if (parameter.addr == nullptr) return std::string();
  return std::string(static_cast<const char*>(parameter.addr), parameter.leng);
}

long NumberOf(const RFC_PARAMETER& parameter) {
  size_t size = IntegerSize(parameter.type);
  if (parameter.addr == nullptr || size == 0 || parameter.leng < size) return 0;
  if (size == 4) {
    int32_t value;
    std::memcpy(&value, parameter.addr, 4);
    return value;
  }
  if (size == 2) {
    int16_t value;
    std::memcpy(&value, parameter.addr, 2);
    return value;
  }
  return *static_cast<const uint8_t*>(parameter.addr);
}

void FillImporting(RFC_PARAMETER* importing, const Values& values) {
  for (RFC_PARAMETER* entry = importing; entry != nullptr && entry->name != nullptr; ++entry) {
    auto found = values.find(EntryName(entry->name, entry->nlen));
    if (found == values.end() || entry->addr == nullptr) continue;
    const Value& value = found->second;
    if (IsIntegerType(entry->type)) {
      if (value.is_number) WriteNumber(*entry, value.number);
    } else {
      WriteText(*entry, value.is_number ? std::to_string(value.number) : value.text);
    }
  }
}

std::string JournalForm(const RFC_PARAMETER& parameter) {
  std::string form = EntryName(parameter.name, parameter.nlen) + "=";
  if (parameter.addr == nullptr) return form + "(null)";
  if (IsIntegerType(parameter.type)) return form + std::to_string(NumberOf(parameter));
  if (IsCharacterType(parameter.type)) return form + "\"" + RawText(parameter) + "\"";
  // Packed, float, raw bytes and structures: shown byte by byte.
  form += "x'";
  const unsigned char* bytes = static_cast<const unsigned char*>(parameter.addr);
  for (unsigned i = 0; i < parameter.leng; ++i) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02X", bytes[i]);
    form += pair;
  }
  return form + "'";
}

}  // namespace rfcsim
