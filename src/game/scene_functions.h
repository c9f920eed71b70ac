// The scene functions the dispatcher calls, and StartStage which several scenes share.
#pragma once

#include <cstdint>

namespace game {

// Sets up stage n (always StageNumber), draws it, shows its intro card once and
// waits for Space to be released. GameState is left to the caller.
void StartStage(int32_t n);

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
