// The scene variables: which scene runs (GameState and its values), the scene's timer,
// the title's cursor, the browser's selection and the stage in play. They are part of the
// game's global state, defined beside the live position.
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
extern int32_t MenuCursor;    // the title's item: 0 START, 1 CONTINUE
extern int32_t SelectedSlot;  // the cheese slot the browser points at
extern int32_t StageNumber;

}  // namespace game
