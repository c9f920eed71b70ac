// Fuzz target: the RIFF WAVE reader behind the sound effects.
#include "audio/wave_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = fuzz::ScratchPath("snd.wav");
  fuzz::WriteScratchFile(path, data, size);
  uint32_t dataSize = 12345;
  audio::WaveFormat format;
  std::vector<uint8_t> samples(7);
  std::string problem = "left over";
  const int32_t status = audio::ReadWaveFile(path.c_str(), &dataSize, &format, &samples, &problem);
  if (status != 0) {
    fuzz::Require(status == 1 && !problem.empty(), "a refusal says why");
    fuzz::Require(dataSize == 0 && samples.empty() && format.formatTag == 0 && format.extra.empty(),
                  "a refusal leaves nothing behind");
    return 0;
  }
  fuzz::Require(problem.empty(), "success reports no problem");
  fuzz::Require(samples.size() == dataSize && dataSize <= size, "the data is inside the file");
  fuzz::Require(format.extra.size() == format.extraSize, "extra bytes as counted");
  return 0;
}
