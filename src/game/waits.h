// Blocking waits of the scenes: a timed pause and waits on the Space key.
#pragma once

namespace game {

// Busy-waits seconds on the process clock; nothing is drawn or handled meanwhile.
void WaitSeconds(double seconds);

// True while the Space key is physically down.
bool IsSpaceDown();
bool IsKeyDown(int vk);

// Polls without drawing until Space is up, or until it is down.
void WaitWhileSpaceDown();
void WaitUntilSpaceDown();

}  // namespace game
