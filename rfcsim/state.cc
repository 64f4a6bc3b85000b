#include "rfcsim/state.h"

#include <cstring>

namespace rfcsim {

State& TheState() {
  static State* state = new State();  // never destroyed: calls may come at exit
  return *state;
}

void SetLastError(const std::string& key, const std::string& status, const std::string& message,
                  const std::string& intstat) {
  TheState().last_error = {true, key, status, message, intstat};
}

std::string TextOf(const char* text) { return text == nullptr ? std::string() : text; }

void CopyBounded(char* field, size_t size, const std::string& text) {
  if (field == nullptr || size == 0) return;
  size_t copied = text.size() < size - 1 ? text.size() : size - 1;
  std::memcpy(field, text.data(), copied);
  field[copied] = '\0';
}

}  // namespace rfcsim
