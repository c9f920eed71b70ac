// The scene variables: which scene runs (GameState and its values), the scene's timer,
// the menu cursor and the stage in play. They are part of the game's global state, so
// the rules' side (the save file) reads them without the scenes.
#pragma once

#include <cstdint>

namespace game {

// The values of GameState, one per scene.
constexpr int32_t SCENE_BOOT = 0;
constexpr int32_t SCENE_PLAY = 1;
constexpr int32_t SCENE_TITLE = 2;
constexpr int32_t SCENE_DROP = 3;
constexpr int32_t SCENE_MOVE = 4;
constexpr int32_t SCENE_VERDICT = 5;
constexpr int32_t SCENE_COLLAPSE = 6;
constexpr int32_t SCENE_BROWSE = 7;
constexpr int32_t SCENE_NONE = 8;  // a frame in this state runs no scene
constexpr int32_t SCENE_ENDING = 9;

extern int32_t GameState;
extern double SceneTimer;
extern int32_t MenuCursor;  // also MovePhase in play and the browser's selection
extern int32_t StageNumber;

}  // namespace game
