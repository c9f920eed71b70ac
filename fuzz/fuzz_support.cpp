// Helpers shared by the fuzz targets: handing input to file readers, and invariant checks.
#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/whole_file.h"

namespace fuzz {

namespace {

std::vector<std::string>* Scratch = nullptr;

void RemoveScratchFiles() {
  for (const std::string& path : *Scratch) std::remove(path.c_str());
}

}  // namespace

std::string ScratchPath(const char* name) {
  // Parallel fuzzing jobs share the temporary directory: a random tag per
  // process keeps their files apart.
  static const std::string tag = std::to_string(std::random_device{}());
  if (!Scratch) {
    Scratch = new std::vector<std::string>;
    std::atexit(RemoveScratchFiles);
  }
  // In memory where the system offers it: the save file is flushed to the disk
  // on every write, which on a real disk slows its target down many times over.
  static const std::filesystem::path folder = std::filesystem::is_directory("/dev/shm")
                                                  ? std::filesystem::path("/dev/shm")
                                                  : std::filesystem::temp_directory_path();
  Scratch->push_back((folder / ("vaulmoor-fuzz-" + tag + "-" + name)).string());
  return Scratch->back();
}

void WriteScratchFile(const std::string& path, const uint8_t* data, size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  const bool written = file != nullptr && (size == 0 || std::fwrite(data, 1, size, file) == size);
  if (file == nullptr || std::fclose(file) != 0 || !written) {
    std::fprintf(stderr, "fuzz: cannot write the scratch file %s\n", path.c_str());
    std::abort();
  }
}

bool ReadBackWhole(const std::string& path, const uint8_t* data, size_t size, size_t limit,
                   std::string* text) {
  WriteScratchFile(path, data, size);
  std::string problem;
  const bool read =
      platform::ReadWholeFile(path, limit, text, &problem) == platform::WholeFile::Read;
  Require(read == (size <= limit), "a file is read up to the limit");
  Require(!read || *text == std::string(reinterpret_cast<const char*>(data), size),
          "the file is read as it is");
  return read;
}

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz: invariant broken: %s\n", what);
  std::abort();
}

}  // namespace fuzz
