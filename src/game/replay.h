// Replays: the moves of recorded or shared clears played in the game's own scenes, in real
// time, in place of the player's keys.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/records.h"
#include "game/solution_file.h"

namespace game {

constexpr int32_t REPLAY_MOVES_DONE = -1;  // the cellar in play has no move left

struct Replay {
  std::vector<CellarMoves> plan;
  size_t cellar = 0;      // the cellar of plan in play
  size_t next = 0;        // its next move
  int32_t recorded = -1;  // a cellar whose recorded clear is to be played, else -1
  bool active = false;
  void (*ended)() = nullptr;  // what follows the replay's end in place of closing the game
};

// The replay the command line asked for, played on screen.
extern Replay LiveReplay;

// Plans a replay in a stage set of stageCount cellars: a cellar number (its recorded best
// clear) or a file of "N MOVES" lines, read and checked at once. False with what is wrong.
bool PlanReplay(Replay& replay, const std::string& what, int32_t stageCount, std::string* error);

// Whether a replay was planned and has not ended.
bool Replaying(const Replay& replay);

// A planned cellar's moves taken from its record in records (STAGE_COUNT of them). False
// with what is wrong when the cellar has no record.
bool TakeRecordedMoves(Replay& replay, const CellarRecord* records, std::string* error);

// The stage of the cellar in play.
int32_t ReplayStage(const Replay& replay);

// The next move of the cellar in play (a Facing value), or REPLAY_MOVES_DONE.
int32_t NextReplayMove(Replay& replay);

// On to the next cellar of the plan; false when there is none, and the replay has ended.
bool NextReplayCellar(Replay& replay);

// The cellar in play started again after a failed delivery: its replay ends there.
void ReplayRestarts(Replay& replay);

// Once the stage file and the records are loaded: takes a planned cellar's moves from its
// record and starts the first cellar of the live replay. False with what is wrong when
// the cellar has no record.
bool StartReplay(std::string* error);

// In an idle play frame: presses the next move of the live replay or, with the moves
// played and the cellar not cleared, starts the next cellar.
void FeedReplayMove();

// The live cellar is cleared: the replay goes on to its next cellar, or ends, which
// closes the game (or does what the replay's ended says).
void ReplayCleared();

}  // namespace game
