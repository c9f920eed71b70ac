// Runs a fuzz target over saved inputs without libFuzzer: every file named on the
// command line, and every file in each folder named there, in name order. The
// ordinary test build uses it to replay the seeds and the inputs of past crashes.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsIn(const fs::path& place) {
  std::vector<fs::path> inputs;
  if (fs::is_directory(place)) {
    for (const fs::directory_entry& entry : fs::directory_iterator(place))
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
  } else if (fs::is_regular_file(place)) {
    inputs.push_back(place);
  }
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (const fs::path& input : InputsIn(argv[i])) {
      std::ifstream file(input, std::ios::binary);
      const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                       std::istreambuf_iterator<char>());
      std::printf("replaying %s (%zu bytes)\n", input.c_str(), bytes.size());
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++replayed;
    }
  }
  std::printf("%zu inputs replayed\n", replayed);
  // A replay that finds nothing to run has lost its inputs: that is a failure.
  return replayed > 0 ? 0 : 1;
}
