// Replays inputs through a fuzz target without libFuzzer: every file named on
// the command line, and every file of every folder named, in name order. A
// failed check ends the program as it would end the fuzzer.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_support.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsOf(const fs::path& given) {
  if (!fs::is_directory(given)) return {given};
  std::vector<fs::path> inputs;
  for (const auto& entry : fs::directory_iterator(given))
    if (entry.is_regular_file()) inputs.push_back(entry.path());
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

void Replay(const fs::path& input) {
  std::ifstream in(input, std::ios::binary);
  if (!in) davoruzivi::fuzz::Fail("cannot read " + input.string());
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (const fs::path& input : InputsOf(argv[i])) {
      Replay(input);
      ++replayed;
    }
  }
  std::cout << "replayed " << replayed << " inputs\n";
  // No input at all is a missing corpus, not a pass.
  return replayed > 0 ? 0 : 1;
}
