// Calendar merging for the hint search: timeless keys and the real calendar behind them.
#include "game/solver/calendar.h"

#include <algorithm>

namespace game {

namespace {

constexpr uint8_t PHASE_TIMELESS = 1;

}  // namespace

Calendar::Calendar(const PositionKey& start, const Position& stage)
    : start_(start), stage_(stage) {}

PositionKey Calendar::Merged(PositionKey key) const {
  for (int32_t k = 0; k < stage_.cheeseCount; ++k) {
    if (key.week[k] > 0 && key.week[k] < Info(k).ripeFrom) return key;
  }
  key.dayOfWeek = 0;
  for (int32_t k = 0; k < stage_.cheeseCount; ++k) {
    if (key.week[k] > 0) key.week[k] = 1;
  }
  key.phase = PHASE_TIMELESS;
  return key;
}

PositionKey Calendar::Real(PositionKey key, uint16_t moves) const {
  if (key.phase != PHASE_TIMELESS) return key;
  int32_t elapsed = start_.dayOfWeek + moves;
  key.dayOfWeek = static_cast<uint8_t>(elapsed % 7);
  for (int32_t k = 0; k < stage_.cheeseCount; ++k) {
    if (key.week[k] <= 0) continue;
    int32_t week = start_.week[k] + elapsed / 7;
    key.week[k] = static_cast<int8_t>(std::min(week, Info(k).ripeTo + 1));
  }
  key.phase = 0;
  return key;
}

}  // namespace game
