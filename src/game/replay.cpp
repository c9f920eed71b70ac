// The replay's cellars and moves, fed to the play scene one move per idle frame.
#include "game/replay.h"

#include <cstdint>
#include <vector>

#include "game/data_model.h"
#include "game/records.h"
#include "game/scene_functions.h"
#include "game/scenes.h"
#include "game/solution_file.h"
#include "game/solver.h"
#include "platform/platform.h"
#include "platform/whole_file.h"

namespace game {

namespace {

std::vector<CellarMoves> Plan;
size_t Cellar = 0;      // the cellar of Plan in play
size_t Next = 0;        // its next move
int32_t Recorded = -1;  // a cellar whose recorded clear is to be played, else -1
bool Active = false;

void StartCellar() {
  StageNumber = Plan[Cellar].stage;
  Next = 0;
  IntroShown = 0;
  StartStage(StageNumber);
  GameState = SCENE_PLAY;
}

// The next cellar of the plan, or the end of the replay, which closes the game.
void NextCellar() {
  if (++Cellar < Plan.size()) {
    StartCellar();
    return;
  }
  Active = false;
  GameState = SCENE_NONE;
  platform::PostQuitMessage(0);
}

}  // namespace

bool PlanReplay(const std::string& what, std::string* error) {
  Active = true;
  if (!what.empty() && what.find_first_not_of("0123456789") == std::string::npos) {
    Recorded = what.size() <= 2 ? std::stoi(what) - 1 : -1;
    if (Recorded < 0 || Recorded >= STAGE_COUNT) {
      *error = "--replay needs a cellar from 1 to " + std::to_string(STAGE_COUNT) + " or a file";
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
  if (!ParseMoveLines(text, false, &Plan, error)) {
    *error = what + ":" + *error;
    return false;
  }
  if (Plan.empty()) {
    *error = what + ": no moves to replay";
    return false;
  }
  return true;
}

bool Replaying() {
  return Active;
}

bool StartReplay(std::string* error) {
  if (Recorded >= 0) {
    if (!Records[Recorded].Exists()) {
      *error = "no clear of cellar " + std::to_string(Recorded + 1) + " is recorded";
      return false;
    }
    Plan = {CellarMoves{Recorded, Records[Recorded].moves}};
  }
  Cellar = 0;
  StartCellar();
  return true;
}

void FeedReplayMove() {
  const std::string& moves = Plan[Cellar].moves;
  if (Next == moves.size()) {
    NextCellar();
    return;
  }
  Facing = MoveDirection(moves[Next++]);
  MoveResult = MOVE_STEP;
}

void ReplayRestarts() {
  Next = Plan[Cellar].moves.size();
}

void ReplayCleared() {
  NextCellar();
}

}  // namespace game
