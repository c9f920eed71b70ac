// Keyboard and joystick polling: directions, edge-detected buttons, joystick state.
#pragma once

#include <cstdint>

namespace input {

// Direction codes.
constexpr int32_t DIR_RIGHT = 20;
constexpr int32_t DIR_LEFT = 21;
constexpr int32_t DIR_UP = 22;
constexpr int32_t DIR_DOWN = 23;

extern int32_t JoyCentreX[2];
extern int32_t JoyCentreY[2];
extern int32_t JoyDirX;
extern int32_t JoyDirY;
extern int32_t JoyButton[7];
extern int32_t KeyLatch[256];

void InitJoystick();
void CalibrateJoysticks();
void ReadJoystickDirection(uint32_t device, int32_t* horizontal, int32_t* vertical);
int32_t ReadJoystickButton(uint32_t device, int32_t button);
void PollJoystick();
int32_t IsDirectionHeld(int32_t code);
int32_t PollButton(int32_t key, int32_t button);

// Presses counted since the last take, for keys whose presses must not be lost while a
// scene animates or blocks: those of joystick 1's button (1..6; others none) found by the
// frames' polls, and with TakePresses those of the key too, as its messages are taken.
int32_t TakeButtonPresses(int32_t button);
int32_t TakePresses(int32_t key, int32_t button);

}  // namespace input
