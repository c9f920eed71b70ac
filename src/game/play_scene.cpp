// Stage start with its intro card, the play scene (input, moves, clears) and the walk animation.
#include <cstdio>
#include <cstring>

#include "audio/sound.h"
#include "game/board_drawing.h"
#include "game/cellar_choice.h"
#include "game/editor_trial.h"
#include "game/hint.h"
#include "game/move_history.h"
#include "game/play_help.h"
#include "game/played_set.h"
#include "game/records_shown.h"
#include "game/replay.h"
#include "game/rules.h"
#include "game/save_file.h"
#include "game/scene_functions.h"
#include "game/scenes.h"
#include "game/stage_file.h"
#include "game/waits.h"
#include "gfx/blit.h"
#include "gfx/present.h"
#include "gfx/text.h"
#include "input/input.h"
#include "lang/language.h"
#include "platform/platform.h"
#include "shared/scene_trace.h"
#include "shared/shell_state.h"

namespace game {

namespace {

// DrawTextInRect alignment that centres the text and wraps it at words.
constexpr int32_t TEXT_ALIGN_CENTRE_WRAPPED = 24;
constexpr uint32_t TEXT_WHITE = 0xFFFFFF;
constexpr uint32_t TEXT_BLACK = 0x000000;
// The intro card, and its dark band where the title stands.
constexpr int32_t CARD_LEFT = 20;
constexpr int32_t CARD_RIGHT = 220;
constexpr int32_t BAND_LEFT = 26;
constexpr int32_t BAND_RIGHT = 214;
constexpr int32_t BAND_TOP = 108;
constexpr int32_t BAND_BOTTOM = 132;

void ShowIntroCard() {
  shared::TraceScene("intro", StageNumber + 1);
  DrawIntroCard(StageNumber, ShownTitle(LiveOwnSet, StageNumber));
  ShowRecordUnderCard();
  gfx::PresentFrame(0, 0);
  WaitSeconds(2.0);
}

// The input order makes the last held direction win: down, then up, right, left.
void ReadDirections() {
  const int32_t codes[4][2] = {{input::DIR_LEFT, FACING_LEFT},
                               {input::DIR_RIGHT, FACING_RIGHT},
                               {input::DIR_UP, FACING_UP},
                               {input::DIR_DOWN, FACING_DOWN}};
  for (const auto& [code, facing] : codes) {
    if (input::IsDirectionHeld(code) && MovePhase == MOVE_PHASE_IDLE) PressMove(facing);
  }
}

void ClearStage() {
  shared::TraceScene("clear", StageNumber + 1);
  DrawBoard();
  DrawPlayer(PlayerX, PlayerY, 0.0);
  gfx::BlitKeyed(20, 95, 5, 0, 100, 200, 150);
  RecordAndShowClear();
  gfx::PresentFrame(0, 0);
  audio::PlaySoundEffect(shared::SoundStageClear, -1);
  WaitSeconds(0.5);
  if (Replaying(LiveReplay)) {
    ReplayCleared();
    return;
  }
  // A cellar of the editor tried: its clear goes back to the editor, saving nothing.
  if (Trying()) {
    LeaveTrial();
    return;
  }
  const int32_t next = StageNumber + 1;
  if (next == StageCount) {
    ChangeStage(next);
    GameState = SCENE_ENDING;
    LineUpParade();
    SceneTimer = 0.0;
    return;
  }
  SaveProgress(ProgressToSave(LiveCellarChoice, next));
  ChangeStage(next);
}

bool AnyCheeseListed() {
  for (int32_t k = 0; k < CheeseCount; ++k) {
    if (CheeseSlots[k].week != WEEK_NONE) return true;
  }
  return false;
}

}  // namespace

// A title stands on one line of 16 pixels across the card, as the game's own all fit; a
// longer title of a player's own in the small font, on the band's two lines of 12 pixels.
bool CardTitleFits(const char* title) {
  return gfx::TextWidth(16, title) <= CARD_RIGHT - CARD_LEFT ||
         gfx::WrappedLineCount(12, title, BAND_RIGHT - BAND_LEFT) <= 2;
}

void DrawCardTitle(const char* title) {
  if (title == nullptr) return;
  const bool oneLine = gfx::TextWidth(16, title) <= CARD_RIGHT - CARD_LEFT;
  gfx::BeginText(oneLine ? 16 : 12);
  gfx::SetTextColours(TEXT_WHITE, TEXT_BLACK, 1);
  if (oneLine) {
    gfx::DrawTextInRect(CARD_LEFT, 110, CARD_RIGHT, 130, title, TEXT_ALIGN_CENTRE_WRAPPED);
  } else {
    gfx::DrawTextInRect(BAND_LEFT, BAND_TOP, BAND_RIGHT, BAND_BOTTOM, title,
                        TEXT_ALIGN_CENTRE_WRAPPED);
  }
  gfx::EndText();
}

void DrawIntroCard(int32_t stage, const char* title) {
  gfx::BlitOpaque(20, 80, 8, 0, 0, 200, 80);
  char heading[64];
  // TRANSLATORS: the intro card's heading, "ripening cellar n" (n 1 to 32), centred between
  // two cheeses: 114 pixels.
  std::snprintf(heading, sizeof heading, lang::Translate("熟成庫　%d"), stage + 1);
  gfx::PrintText(IntroHeadingLeft(heading), 90, "%s", heading);
  DrawCardTitle(title);
}

void StartStage(int32_t n) {
  shared::TraceScene("stage", n + 1);
  SceneTimer = 0.0;
  MovePhase = MOVE_PHASE_IDLE;
  SetUpStage(StageSet[n], LivePosition);
  // The game's own cellars keep the player facing as the last move left it; a cellar of
  // one's own starts as drawn.
  if (LiveOwnSet.chosen) Facing = LiveOwnSet.file.facings[n];
  WalkFrame = 0;
  if (IntroShown == 0) LiveHintRequest.hintsHelped = false;
  if (IntroShown == 1 && Replaying(LiveReplay)) ReplayRestarts(LiveReplay);
  BeginAttempt(LiveHistory);
  DropHelp();
  PrepareHint();
  // Play frames redraw only columns 0..9; column 10 keeps what is drawn here.
  for (int32_t y = 0; y < BOARD_SIZE; ++y) DrawCell(BOARD_SIZE - 1, y);
  DrawPlayer(PlayerX, PlayerY, 0.0);
  DrawBoard();  // covers the player: the start frames show the board alone
  DrawSidePanel();
  if (IntroShown == 0) ShowIntroCard();
  IntroShown = 1;
  gfx::PresentFrame(0, 0);
  // A Space press that started the stage must not open the cheese browser.
  WaitWhileSpaceDown();
}

void ChangeStage(int32_t n) {
  StageNumber = n;
  if (n == StageCount) return;
  IntroShown = 0;
  StartStage(n);
}

void PressMove(int32_t facing) {
  Facing = facing;
  MoveResult = MOVE_STEP;
}

void PlayScene() {
  const bool replaying = Replaying(LiveReplay);
  bool idle = MovePhase == MOVE_PHASE_IDLE;
  if (!replaying) TakeHelpKeys(idle);
  int32_t facing = Facing;  // as before the arrow turns the player
  MoveResult = MOVE_NONE;
  if (!replaying) {
    ReadDirections();
    if (idle && MoveResult == MOVE_NONE) FollowHelpRequests();
  } else if (idle) {
    FeedReplayMove();
    if (GameState != SCENE_PLAY) return;
  }
  if (MovePhase != MOVE_PHASE_FINISHED && MoveResult == MOVE_STEP) {
    if (TryMove(LivePosition, Facing) != MOVE_NONE) {
      RecordMove(LiveHistory, LivePosition, facing, Facing);
      MoveStarts();
    }
    if (StartMove(LivePosition) != MOVE_NONE) {
      GameState = SCENE_MOVE;
      MovePhase = MOVE_PHASE_ANIMATING;
      SceneTimer = 0.0;
    }
  }
  if (GameState != SCENE_PLAY) return;

  if (MovePhase == MOVE_PHASE_FINISHED) {
    MovePhase = MOVE_PHASE_IDLE;
    ComputeColdMap(LivePosition);
    DrawSidePanel();
    if (CheesesToDeliver == 0) {
      ClearStage();
    } else {
      PrepareHint();
    }
  }
  DrawBoard();
  DrawPlayer(PlayerX, PlayerY, 0.0);
  DrawHelpNote(LiveNote);
  gfx::PresentFrame(0, 0);
  // After the last stage the ending stands whatever else is pressed.
  if (GameState == SCENE_ENDING || replaying) return;

  Position givenUp = LivePosition;
  if (input::JoyButton[2] == 1 || IsKeyDown('Q')) {
    PushedPiece = FAILURE_GIVEN_UP;
    GameState = SCENE_COLLAPSE;
    audio::PlaySoundEffect(shared::SoundFailure, -1);
    std::memset(CollapseOffsets, 0, sizeof CollapseOffsets);
  }
  // With no cheese to list the browser has nothing to show, so it does not open.
  if ((input::JoyButton[1] == 1 || IsSpaceDown()) && AnyCheeseListed()) {
    MovePhase = MOVE_PHASE_IDLE;
    SelectedSlot = 0;
    SceneTimer = 0.0;
    GameState = SCENE_BROWSE;
    WaitSeconds(0.2);
  }
  if (GameState == SCENE_COLLAPSE) RecordGiveUp(LiveHistory, givenUp);
  if (GameState != SCENE_PLAY) DropHelp();
}

void MoveScene() {
  DrawBoard();
  DrawPlayer(PlayerX, PlayerY, SceneTimer);
  int32_t quarter = static_cast<int32_t>(SceneTimer / 0.25) % 4 - 1;
  WalkFrame = quarter == 2 ? 0 : quarter;
  gfx::PresentFrame(0, 0);
  SceneTimer += 4 * shared::FrameStep;
  // Commit one advance early, so the last drawn offset stays below a whole cell.
  if (SceneTimer + 4 * shared::FrameStep < 1.0) return;
  SceneTimer = 0.0;
  MovePhase = MOVE_PHASE_FINISHED;
  GameState = SCENE_PLAY;
  WalkFrame = 0;
  if (CommitMove(LivePosition)) GameState = SCENE_DROP;
  DrawSidePanel();
}

}  // namespace game
