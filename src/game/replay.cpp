// The replay's cellars and moves, fed to the play scene one move per idle frame.
#include "game/replay.h"

#include "game/data_model.h"
#include "game/scene_functions.h"
#include "game/scenes.h"
#include "game/solver.h"
#include "platform/platform.h"
#include "platform/whole_file.h"

namespace game {

Replay LiveReplay;

bool PlanReplay(Replay& replay, const std::string& what, int32_t stageCount, std::string* error) {
  replay.active = true;
  if (!what.empty() && what.find_first_not_of("0123456789") == std::string::npos) {
    replay.recorded = what.size() <= 2 ? std::stoi(what) - 1 : -1;
    if (replay.recorded < 0 || replay.recorded >= stageCount) {
      *error = "--replay needs a cellar from 1 to " + std::to_string(stageCount) + " or a file";
      return false;
    }
    return true;
  }
  std::string text, problem;
  if (platform::ReadWholeFile(what, MOVE_FILE_MAX_BYTES, &text, &problem) !=
      platform::WholeFile::Read) {
    *error = what + ": the replay file " + problem;
    return false;
  }
  if (!ParseMoveLines(text, false, &replay.plan, error)) {
    *error = what + ":" + *error;
    return false;
  }
  if (replay.plan.empty()) {
    *error = what + ": no moves to replay";
    return false;
  }
  for (const CellarMoves& cellar : replay.plan) {
    if (cellar.stage >= stageCount) {
      *error = what + ": cellar " + std::to_string(cellar.stage + 1) +
               " is not in the stage set of " + std::to_string(stageCount);
      return false;
    }
  }
  return true;
}

bool Replaying(const Replay& replay) {
  return replay.active;
}

bool TakeRecordedMoves(Replay& replay, const CellarRecord* records, std::string* error) {
  if (replay.recorded < 0) return true;
  if (!records[replay.recorded].Exists()) {
    *error = "no clear of cellar " + std::to_string(replay.recorded + 1) + " is recorded";
    return false;
  }
  replay.plan = {CellarMoves{replay.recorded, records[replay.recorded].moves}};
  return true;
}

int32_t ReplayStage(const Replay& replay) {
  return replay.plan[replay.cellar].stage;
}

int32_t NextReplayMove(Replay& replay) {
  const std::string& moves = replay.plan[replay.cellar].moves;
  if (replay.next == moves.size()) return REPLAY_MOVES_DONE;
  return MoveDirection(moves[replay.next++]);
}

bool NextReplayCellar(Replay& replay) {
  replay.next = 0;
  replay.active = ++replay.cellar < replay.plan.size();
  return replay.active;
}

void ReplayRestarts(Replay& replay) {
  replay.next = replay.plan[replay.cellar].moves.size();
}

namespace {

void StartCellar() {
  ChangeStage(ReplayStage(LiveReplay));
  GameState = SCENE_PLAY;
}

// The next cellar of the plan, or the end of the replay, which closes the game unless the
// replay says what follows.
void NextCellar() {
  if (NextReplayCellar(LiveReplay)) {
    StartCellar();
    return;
  }
  if (LiveReplay.ended != nullptr) {
    LiveReplay.ended();
    return;
  }
  GameState = SCENE_NONE;
  platform::PostQuitMessage(0);
}

}  // namespace

bool StartReplay(std::string* error) {
  if (!TakeRecordedMoves(LiveReplay, Records, error)) return false;
  StartCellar();
  return true;
}

void FeedReplayMove() {
  const int32_t move = NextReplayMove(LiveReplay);
  if (move == REPLAY_MOVES_DONE) {
    NextCellar();
  } else {
    PressMove(move);
  }
}

void ReplayCleared() {
  NextCellar();
}

}  // namespace game
