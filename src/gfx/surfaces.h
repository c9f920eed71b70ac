// The display, its back buffer, the palette object and the eleven sprite slots;
// the draw target and its lock; the display-memory log lines.
#pragma once

#include <cstdint>

#include "gfx/ddraw.h"

namespace gfx {

constexpr int32_t SCREEN_WIDTH = 320;
constexpr int32_t SCREEN_HEIGHT = 240;
constexpr int32_t SLOT_COUNT = 11;
constexpr int32_t BufferSlot = 10;

extern Surface* PrimarySurface;  // the frame last shown
extern Surface* BackSurface;     // the frame being drawn
// The display's palette object: the red, green, blue the screen shows for each
// index (set through ApplyPalette, handed on to the platform's display).
extern uint8_t DisplayPalette[256][3];
extern Surface* SpriteSlots[SLOT_COUNT];
extern int32_t SlotCreated[SLOT_COUNT];
extern int32_t DrawTarget;  // -1 the back buffer, n slot n
extern uint8_t* LockedPixels;
extern int32_t LockedPitch;

int32_t InitDisplay(int32_t width, int32_t height);
void ShutdownDisplay();
void CreateSlotSurface(int32_t slot, int32_t width, int32_t height);
void ReleaseSlotSurface(int32_t slot);
int32_t LoadBitmapToSlot(int32_t slot, const char* fileName, int32_t width, int32_t height);
int32_t LoadRawBitmapToSlot(int32_t slot, const char* fileName);
void SetSlotColourKey(int32_t slot, int32_t index);
void SetDrawTarget(int32_t slot);
void ResetDrawTarget();
int32_t LockDrawTarget();
void UnlockDrawTarget();
void RestoreSurfaces();

// The surface DrawTarget names (BackSurface for -1; null for an empty slot).
Surface* DrawTargetSurface();
// True for the slot numbers 0..10.
bool IsSlotNumber(int32_t slot);
// The surface of a slot, null when empty or out of range.
Surface* SlotSurface(int32_t slot);

}  // namespace gfx
