// The display, its back buffer, the palette object and the eleven sprite slots;
// the draw target and its lock; the display-memory log lines.
#include "gfx/surfaces.h"

#include <cstdio>

#include "gfx/palette.h"
#include "gfx/present.h"
#include "gfx/slot_log.h"
#include "platform/platform.h"
#include "shared/shell_state.h"

namespace gfx {

Surface* PrimarySurface = nullptr;
Surface* BackSurface = nullptr;
uint8_t DisplayPalette[256][3] = {};
Surface* SpriteSlots[SLOT_COUNT] = {};
int32_t SlotCreated[SLOT_COUNT] = {};
int32_t DrawTarget = -1;
uint8_t* LockedPixels = nullptr;
int32_t LockedPitch = 0;

namespace {

double Kilobytes(uint32_t bytes) {
  return bytes / 1024.0;
}

// One display-memory line of the log, with the free memory (or the total).
void LogMemory(const char* format, uint32_t bytes) {
  if (shared::ReportFile) std::fprintf(shared::ReportFile, format, Kilobytes(bytes));
}

// Releases the slot's surface, if any, and leaves the slot empty.
void EmptySlot(int32_t slot) {
  ReleaseSurface(SpriteSlots[slot]);
  SpriteSlots[slot] = nullptr;
  SlotCreated[slot] = 0;
}

}  // namespace

void LogSlotCreated(int32_t slot) {
  if (shared::ReportFile)
    std::fprintf(shared::ReportFile, "VRAM空き容量   %9.2lf KB スプライト番号 %2d\n",
                 Kilobytes(platform::DisplayMemoryFree()), slot);
}

int32_t InitDisplay(int32_t width, int32_t height) {
  if (!platform::DisplayOpen(width, height)) return 0;
  LogMemory("総VRAM容量   %9.2lf KB\n", platform::DisplayMemoryTotal());
  // The primary surface is made together with its attached back buffer, so
  // both are already accounted when the primary surface is logged.
  PrimarySurface = CreateSurface(width, height);
  BackSurface = CreateSurface(width, height);
  LogMemory("VRAM空き容量 %9.2lf KB プライマリサーフェス\n", platform::DisplayMemoryFree());
  LogMemory("VRAM空き容量 %9.2lf KB バックサーフェス\n", platform::DisplayMemoryFree());
  // The display palette starts from the entries as they are (still black).
  ApplyPalette(0, 256);
  SpriteSlots[BufferSlot] = CreateSurface(width, height);
  SlotCreated[BufferSlot] = SpriteSlots[BufferSlot] ? 1 : 0;
  LogMemory("VRAM空き容量 %9.2lf KB バッファスプライトサーフェス\n", platform::DisplayMemoryFree());
  return 1;
}

void ShutdownDisplay() {
  for (int32_t slot = 0; slot < SLOT_COUNT; ++slot) {
    if (!SpriteSlots[slot]) continue;
    EmptySlot(slot);
    LogMemory("VRAM空き容量   %9.2lf KB スプライト解放\n", platform::DisplayMemoryFree());
  }
  ReleaseSurface(BackSurface);
  ReleaseSurface(PrimarySurface);
  BackSurface = nullptr;
  PrimarySurface = nullptr;
  LogMemory("全解放後VRAM空き容量   %9.2lf KB\n", platform::DisplayMemoryFree());
  platform::DisplayClose();
}

void CreateSlotSurface(int32_t slot, int32_t width, int32_t height) {
  if (!IsSlotNumber(slot)) return;
  EmptySlot(slot);
  // A refused surface (absurd size) leaves the slot empty; copies then skip it.
  SpriteSlots[slot] = CreateSurface(width, height);
  SlotCreated[slot] = SpriteSlots[slot] ? 1 : 0;
  LogSlotCreated(slot);
}

void ReleaseSlotSurface(int32_t slot) {
  if (IsSlotNumber(slot)) EmptySlot(slot);
  LogMemory("VRAM容量   %9.2lf KB スプライト解放(ユーザ指示)\n", platform::DisplayMemoryFree());
}

void SetSlotColourKey(int32_t slot, int32_t index) {
  Surface* surface = SlotSurface(slot);
  if (surface && index >= 0 && index <= 255) surface->colourKey = static_cast<uint8_t>(index);
}

void SetDrawTarget(int32_t slot) {
  if (IsSlotNumber(slot)) DrawTarget = slot;
}

void ResetDrawTarget() {
  DrawTarget = -1;
}

int32_t LockDrawTarget() {
  uint8_t* pixels = nullptr;
  int32_t pitch = 0;
  if (Lock(DrawTargetSurface(), &pixels, &pitch) != DD_OK) return 0;
  LockedPixels = pixels;
  LockedPitch = pitch;
  return 1;
}

void UnlockDrawTarget() {
  Unlock(DrawTargetSurface());
}

void RestoreSurfaces() {
  for (Surface* surface : SpriteSlots)
    if (IsLost(surface)) Restore(surface);
  if (IsLost(PrimarySurface)) Restore(PrimarySurface);
  if (IsLost(BackSurface)) Restore(BackSurface);
  PresentFrame(1, 0);
}

Surface* DrawTargetSurface() {
  return DrawTarget < 0 ? BackSurface : SlotSurface(DrawTarget);
}

bool IsSlotNumber(int32_t slot) {
  return slot >= 0 && slot < SLOT_COUNT;
}

Surface* SlotSurface(int32_t slot) {
  return IsSlotNumber(slot) ? SpriteSlots[slot] : nullptr;
}

}  // namespace gfx
