// The outcome scenes: a piece sinking into a hole, the customer's verdict, the collapse and the
// ending.
#include <cstdlib>
#include <cstring>

#include "audio/sound.h"
#include "game/board_drawing.h"
#include "game/move_history.h"
#include "game/rules.h"
#include "game/scene_functions.h"
#include "game/scenes.h"
#include "game/waits.h"
#include "gfx/blit.h"
#include "gfx/effects.h"
#include "gfx/present.h"
#include "shared/shell_state.h"

namespace game {

namespace {

double ParadeX[CATALOGUE_SIZE];  // each catalogue cheese's x in the ending parade

const CheeseSlot& DroppedSlot() {
  return CheeseSlots[PushedPiece - CELL_CHEESE_FIRST];
}

int32_t DroppedRipeness() {
  return ClassifyCheese(DroppedSlot().week, *DroppedSlot().info);
}

// The cheese's top 22 rows, as it falls into the customer window.
void DrawFallingCheese(int32_t y) {
  int32_t k = DroppedSlot().catalogueIndex;
  int32_t sx = 24 * (k % 7), sy = 24 * (k / 7) + 24;
  gfx::BlitKeyed(117, y, 1, sx, sy, sx + 24, sy + 22);
}

void CheeseReachesCustomer() {
  DrawCustomerWindow(-1);
  DrawFallingCheese(120);
  gfx::PresentFrame(0, 0);
  WaitSeconds(0.3);
  DrawCustomerWindow(0);
  gfx::PresentFrame(0, 0);
  WaitSeconds(0.5);
  SceneTimer = 0.0;
  GameState = SCENE_VERDICT;
  int32_t ripeness = DroppedRipeness();
  if (ripeness == RIPENESS_ROTTEN) {
    audio::PlaySoundEffect(shared::SoundRottenDrop, -1);
  } else if (ripeness == RIPENESS_GOOD) {
    audio::PlaySoundEffect(shared::SoundGoodDelivery, -1);
  } else {
    audio::PlaySoundEffect(shared::SoundWrongRipeness, -1);
  }
}

// A failed delivery: the restart keeps the attempt's moves for a second chance.
void StartCollapse(int32_t failureKind, int32_t sound) {
  RecordFailedDelivery(LiveHistory);
  std::memset(CollapseOffsets, 0, sizeof CollapseOffsets);
  GameState = SCENE_COLLAPSE;
  audio::PlaySoundEffect(sound, -1);
  PushedPiece = failureKind;
}

void RottenVerdict(double t) {
  if (t < 1.0) {
    DrawCustomerWindow(0);
    gfx::BlitKeyed(110, 80, 3, 80, 170, 130, 195);
  } else {
    // The customer turns away, faster and faster.
    gfx::BlitOpaque(50, 75, 3, 80, 0, 219, 90);
    gfx::BlitRotated(62, 100, 150, 188, static_cast<int32_t>(90.0 * (t - 1.0) * (t - 1.0)), 3, 150,
                     100, 238, 188, 0);
  }
  gfx::PresentFrame(0, 0);
  if (t <= 2.0) return;
  DeliverCheese(LivePosition);
  SceneTimer = 0.0;
  WaitSeconds(1.0);
  StartCollapse(FAILURE_ROTTEN, shared::SoundRottenFailure);
}

void WrongRipenessVerdict(double t) {
  DrawCustomerWindow(static_cast<int32_t>(10.0 * t) % 2);
  gfx::BlitKeyed(110, 80, 3, 80, 145, 130, 170);
  gfx::PresentFrame(0, 0);
  if (t <= 1.0) return;
  DeliverCheese(LivePosition);
  SceneTimer = 0.0;
  StartCollapse(FAILURE_WRONG_RIPENESS, shared::SoundFailure);
}

// SceneTimer runs on and MovePhase stays finished, so the next play frame runs the
// end-of-move step that notices a cleared stage.
void GoodVerdict(double t) {
  DrawCustomerWindow(0);
  gfx::BlitKeyed(110, 80, 3, 80, 120, 130, 145);
  gfx::PresentFrame(0, 0);
  if (t <= 1.0) return;
  DeliverCheese(LivePosition);
  GameState = SCENE_PLAY;
}

void MoveParadeCheese(int32_t i) {
  ParadeX[i] += (10 * i + 50) * shared::FrameStep;
  if (ParadeX[i] > 540) ParadeX[i] = -50.0;
  int32_t sx = 24 * (i % 7), sy = 24 * (i / 7) + 24;
  gfx::BlitKeyed(static_cast<int32_t>(ParadeX[i]), 80 + 10 * i, 1, sx, sy, sx + 24, sy + 24);
}

}  // namespace

void LineUpParade() {
  for (int32_t i = 0; i < CATALOGUE_SIZE; ++i) ParadeX[i] = (i * i * 70) % 500;
}

void DropScene() {
  double t = SceneTimer;
  double sunk = 5.0 * t * t;
  double fallen = 60.0 * t * t;
  if (sunk < 11.0 / 12.0) {
    DrawBoard();
    DrawFallingPiece(PlayerX + StepDX[Facing], PlayerY + StepDY[Facing], sunk);
    DrawPlayer(PlayerX, PlayerY, 0.0);
    gfx::PresentFrame(0, 0);
  } else if (!PushedPieceIsCheese(LivePosition)) {
    GameState = SCENE_PLAY;  // a snowman is simply gone
  } else if (fallen < 45.0) {
    DrawCustomerWindow(0);
    DrawFallingCheese(75 + static_cast<int32_t>(fallen));
    gfx::PresentFrame(0, 0);
  } else {
    CheeseReachesCustomer();
  }
  SceneTimer += shared::FrameStep;
}

void VerdictScene() {
  double t = SceneTimer;
  switch (DroppedRipeness()) {
    case RIPENESS_ROTTEN:
      RottenVerdict(t);
      break;
    case RIPENESS_GOOD:
      GoodVerdict(t);
      break;
    default:
      WrongRipenessVerdict(t);
      break;
  }
  SceneTimer += shared::FrameStep;
}

void CollapseScene() {
  SceneTimer += 2 * shared::FrameStep;
  double t = SceneTimer;
  // Tiles start falling from the bottom right, one row or half a column per unit of t².
  for (int32_t j = 11; j >= 0; --j) {
    for (int32_t i = 11; i >= 0; --i) {
      double& offset = CollapseOffsets[i][j];
      if ((11 - j) + 2 * (11 - i) < t * t) offset += shared::FrameStep;
      int32_t v = i < BOARD_SIZE && j < BOARD_SIZE && Board[i][j] < CELL_CHEESE_FIRST ? Board[i][j]
                                                                                      : CELL_FLOOR;
      gfx::BlitOpaque(24 * i - 12, 24 * j - 12 + static_cast<int32_t>(400.0 * offset * offset), 1,
                      24 * v, 0, 24 * v + 24, 24);
    }
  }
  DrawSidePanel();
  DrawPlayer(PlayerX, PlayerY, 0.0);
  if (PushedPiece == FAILURE_ROTTEN) {
    gfx::BlitOpaque(20, 95, 5, 0, 150, 200, 200);
  } else if (PushedPiece == FAILURE_WRONG_RIPENESS) {
    gfx::BlitKeyed(20, 95, 5, 0, 50, 200, 100);
  } else {
    gfx::BlitKeyed(20, 95, 5, 0, 0, 200, 50);
  }
  gfx::PresentFrame(1, 0);
  if (t > 8.0) {
    GameState = SCENE_PLAY;
    StartStage(StageNumber);
  }
}

void EndingScene() {
  gfx::BlitOpaque(0, 0, 9, 0, 0, 320, 80);
  for (int32_t i = 0; i < 5; ++i) MoveParadeCheese(i);
  int32_t quarter = static_cast<int32_t>(SceneTimer / 0.25) % 4 - 1;
  WalkFrame = quarter == 2 ? 0 : quarter;
  gfx::BlitKeyed(148, 100, 2, 32 * WalkFrame + 36, 144, 32 * WalkFrame + 60, 192);
  for (int32_t i = 5; i < CATALOGUE_SIZE; ++i) MoveParadeCheese(i);  // in front of the player
  SceneTimer += shared::FrameStep;
  if (IsSpaceDown()) std::exit(1);
  gfx::PresentFrame(1, 0);
}

}  // namespace game
