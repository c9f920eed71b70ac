// The scene record: one line per scene that begins, with the clock's milliseconds.
#include "shared/scene_trace.h"

#include <cstdio>

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
  if (!TraceFile) return;
  std::fprintf(TraceFile, "%u %s %d\n", platform::timeGetTime(), event, number);
  // At once, so that whoever watches a real-time run sees the scene as it begins.
  std::fflush(TraceFile);
}

}  // namespace shared
