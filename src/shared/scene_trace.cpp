// The scene record: one line per scene that begins, with the clock's milliseconds.
#include "shared/scene_trace.h"

#include <cstdio>
#include <string>

#include "platform/platform.h"

namespace shared {

namespace {
std::FILE* TraceFile = nullptr;
}  // namespace

bool OpenSceneTrace(const char* path) {
  TraceFile = std::fopen(path, "w");
  return TraceFile != nullptr;
}

void TraceScene(const char* event, int32_t number) {
  TraceWord(event, std::to_string(number).c_str());
}

void TraceWord(const char* event, const char* word) {
  if (!TraceFile) return;
  std::fprintf(TraceFile, "%u %s %s\n", platform::timeGetTime(), event, word);
  // At once, so that whoever watches a real-time run sees the scene as it begins.
  std::fflush(TraceFile);
}

}  // namespace shared
