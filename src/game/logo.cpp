// The boot logo sequence: the logo dissolves out of coarse dark mosaic and back into it.
#include "game/logo.h"

#include <cstdint>

#include "game/board_drawing.h"
#include "game/waits.h"
#include "gfx/blit.h"
#include "gfx/effects.h"
#include "gfx/present.h"

namespace game {

namespace {

void DrawLogo() {
  gfx::BlitOpaque(60, 95, 4, 0, 0, 200, 50);
}

// One fade frame with mosaic cells of b pixels, darkened (b - 1) / 4 times.
void DrawFadeStep(int32_t b) {
  int32_t grow = (b - 1) / 2;
  int32_t left = 50 - grow, top = 85 - grow;
  ClearWholeScreen();
  DrawLogo();
  gfx::MosaicRect(left, top, 260, 155, b, b);
  for (int32_t pass = 0; pass < (b - 1) / 4; ++pass) gfx::MixRect(left, top, 260, 155, 0);
  gfx::PresentFrame(0, 0);
  WaitSeconds(0.05);
}

}  // namespace

void PlayLogoSequence() {
  for (int32_t b = 15; b >= 1; b -= 2) DrawFadeStep(b);
  DrawLogo();
  gfx::PresentFrame(0, 0);
  WaitSeconds(1.0);
  for (int32_t b = 1; b <= 15; b += 2) DrawFadeStep(b);
  ClearWholeScreen();
  gfx::PresentFrame(0, 0);
  WaitSeconds(0.5);
}

}  // namespace game
