// The scene functions the dispatcher calls, and StartStage which several scenes share.
#pragma once

#include <cstdint>

namespace game {

// Sets up stage n (always StageNumber), draws it, shows its intro card once and
// waits for Space to be released. GameState is left to the caller.
void StartStage(int32_t n);

void BootScene();      // 0
void PlayScene();      // 1
void TitleScene();     // 2
void DropScene();      // 3
void MoveScene();      // 4
void VerdictScene();   // 5
void CollapseScene();  // 6
void BrowseScene();    // 7
void EndingScene();    // 9

}  // namespace game
