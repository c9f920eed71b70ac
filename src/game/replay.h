// Replays: the moves of recorded or shared clears played in the game's own scenes, in real
// time, in place of the player's keys.
#pragma once

#include <string>

namespace game {

// Plans a replay from the command line: a cellar number (its recorded best clear) or a
// file of "N MOVES" lines, read and checked at once. False with what is wrong.
bool PlanReplay(const std::string& what, std::string* error);

// Whether a replay was planned and has not ended.
bool Replaying();

// Once the stage file and the records are loaded: takes a planned cellar's moves from its
// record and starts the first cellar of the replay. False with what is wrong when the
// cellar has no record.
bool StartReplay(std::string* error);

// In an idle play frame: the next move of the replay (Facing, MoveResult), or, with the
// moves played and the cellar not cleared, the next cellar.
void FeedReplayMove();

// The live cellar started again after a failed delivery: its replay ends there.
void ReplayRestarts();

// The live cellar is cleared: the replay goes on to its next cellar, or ends.
void ReplayCleared();

}  // namespace game
