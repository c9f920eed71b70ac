// Sleeping on a desktop system: the frame thread's own sleep, which ends within a
// small fraction of a millisecond of the instant asked for.
#include <thread>

#include "platform/core_internal.h"

namespace platform::core {

void SleepUntil(std::chrono::steady_clock::time_point instant) {
  std::this_thread::sleep_until(instant);
}

}  // namespace platform::core
