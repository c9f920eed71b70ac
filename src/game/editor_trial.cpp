// A cellar of the editor tried in the game's own scenes: the set in play is put aside while it
// plays, and its records and save are never touched.
#include "game/editor_trial.h"

#include <algorithm>
#include <memory>

#include "game/editor_scene.h"
#include "game/hint.h"
#include "game/played_set.h"
#include "game/records.h"
#include "game/replay.h"
#include "game/save_file.h"
#include "game/scene_functions.h"
#include "game/scenes.h"
#include "game/stage_file.h"
#include "platform/platform.h"

namespace game {

namespace {

// The set in play as it was before the trial.
struct PutAside {
  StageRecord stages[STAGE_COUNT];
  int32_t stageCount;
  OwnStageSet own;
  std::string saveFileName;
  CellarRecord records[STAGE_COUNT];
};

bool Tried = false;
bool Leaving = false;
PutAside Aside;

void PutSetAside() {
  std::copy(std::begin(StageSet), std::end(StageSet), Aside.stages);
  Aside.stageCount = StageCount;
  Aside.own = LiveOwnSet;
  Aside.saveFileName = SaveFileName;
  std::copy(std::begin(Records), std::end(Records), Aside.records);
}

void BringSetBack() {
  std::copy(std::begin(Aside.stages), std::end(Aside.stages), StageSet);
  StageCount = Aside.stageCount;
  LiveOwnSet = Aside.own;
  SaveFileName = Aside.saveFileName;
  std::copy(std::begin(Aside.records), std::end(Aside.records), Records);
}

}  // namespace

void StartTrial(const CellarEditor& editor, const std::string* moves) {
  PutSetAside();
  // The editor's cellars lend the designed titles of the game's own ones they are.
  auto tried = std::make_unique<OwnStageSet>();
  tried->file = FileOf(editor);
  MatchOwnStageSet(*tried, Aside.own.chosen ? nullptr : Aside.stages);
  PutOwnSetInPlay(*tried);
  std::fill(std::begin(Records), std::end(Records), CellarRecord{});
  LoadShortestClears();
  ForgetHints();
  Tried = true;
  Leaving = false;
  if (moves != nullptr) {
    LiveReplay = Replay{};
    LiveReplay.plan = {CellarMoves{editor.chosen, *moves}};
    LiveReplay.active = true;
    LiveReplay.ended = LeaveTrial;
  }
  platform::HidePointer();
  GameState = SCENE_PLAY;
  ChangeStage(editor.chosen);
}

bool Trying() {
  return Tried;
}

void LeaveTrial() {
  if (Tried) Leaving = true;
}

void FollowTrial() {
  if (!Leaving) return;
  Leaving = Tried = false;
  LiveReplay = Replay{};
  BringSetBack();
  LoadShortestClears();
  ForgetHints();
  ReturnToEditor();
}

}  // namespace game
