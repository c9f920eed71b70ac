// The scene functions the dispatcher calls, and the stage start, stage change and move press
// that several scenes share.
#pragma once

#include <cstdint>

namespace game {

// Sets up stage n (always StageNumber), draws it, shows its intro card once and
// waits for Space to be released. GameState is left to the caller.
void StartStage(int32_t n);

// The one place the stage in play changes: StageNumber becomes n and, when that is a
// stage (not StageCount, after the last one), it starts with its intro card.
// GameState is left to the caller.
void ChangeStage(int32_t n);

// Asks for a move in direction facing (a Facing value), as an arrow key does: the player
// faces that way, and the play scene tries the move in this frame.
void PressMove(int32_t facing);

// The intro card of stage (an index) with a title (nullptr: none), as a stage starts with it.
void DrawIntroCard(int32_t stage, const char* title);
// A cellar's title on its intro card (drawn at the card's place); whether a title fits there.
void DrawCardTitle(const char* title);
bool CardTitleFits(const char* title);

// Puts every cheese of the ending's parade at its starting place, as the last stage
// is cleared.
void LineUpParade();

void BootScene();      // SCENE_BOOT
void PlayScene();      // SCENE_PLAY
void TitleScene();     // SCENE_TITLE
void DropScene();      // SCENE_DROP
void MoveScene();      // SCENE_MOVE
void VerdictScene();   // SCENE_VERDICT
void CollapseScene();  // SCENE_COLLAPSE
void BrowseScene();    // SCENE_BROWSE
void EndingScene();    // SCENE_ENDING

}  // namespace game
