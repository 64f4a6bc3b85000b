// Feeds every file of the corpus directories named on the command line to
// the fuzz target, once each, in name order: the corpus as a test, built by
// any compiler. A broken property or a sanitizer report ends the program
// there; a directory that holds no input at all fails, so that a corpus
// cannot go missing unnoticed.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"

namespace {

std::vector<std::filesystem::path> InputsIn(const char* directory) {
  std::vector<std::filesystem::path> inputs;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(directory, error))
    if (entry.is_regular_file()) inputs.push_back(entry.path());
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

// Named first, so that an input that ends the program is known by name.
void Replay(const std::filesystem::path& input) {
  std::printf("%s\n", input.filename().c_str());
  std::fflush(stdout);
  std::ifstream file(input, std::ios::binary);
  std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(content.data()), content.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIRECTORY...\n", argv[0]);
    return 2;
  }
  for (int i = 1; i < argc; ++i) {
    std::vector<std::filesystem::path> inputs = InputsIn(argv[i]);
    if (inputs.empty()) {
      std::fprintf(stderr, "no inputs in %s\n", argv[i]);
      return 1;
    }
    for (const auto& input : inputs) Replay(input);
    std::printf("%zu inputs of %s replayed\n", inputs.size(), argv[i]);
  }
  return 0;
}
