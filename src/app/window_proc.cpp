// The window procedure: close requests, re-activation, the orderly shutdown and
// the music's end notification.
#include <ctime>

#include "app/shell.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "game/editor_scene.h"
#include "gfx/present.h"
#include "gfx/surfaces.h"
#include "gfx/text.h"
#include "platform/platform.h"
#include "shared/shell_state.h"

namespace app {
namespace {

void OnCreate() {
  // Headless runs must repeat exactly, so their generator starts from a fixed seed.
  shared::SeedRandom(platform::IsHeadless() ? 0 : static_cast<uint32_t>(std::time(nullptr)));
  if ((platform::GetKeyState(platform::VK_F10) & 0x8000) || StartOptions.platform.pageFlip)
    shared::PageFlipMode = 1;
}

// Shows the last frame, releases everything in order and ends the window.
void CloseProgram() {
  gfx::PresentFrame(1, 0);
  gfx::ShutdownDisplay();
  audio::ShutdownSound();
  gfx::FreeFontRecord();
  gfx::ShutdownFonts();
  audio::CloseMusicDevice();
  platform::DestroyMainWindow();
  if (shared::ReportFile) std::fclose(shared::ReportFile);
  shared::ReportFile = nullptr;
}

}  // namespace

intptr_t WindowProc(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  switch (message) {
    case platform::WM_CREATE:
      OnCreate();
      break;
    case platform::WM_DESTROY:
      platform::PostQuitMessage(0);
      return 1;
    case platform::WM_CLOSE:
      CloseProgram();
      return 1;
    case platform::WM_ACTIVATEAPP:
      if (wParam == 0 || !gfx::PrimarySurface) break;
      gfx::RestoreSurfaces();
      LoadGraphics();
      return 1;
    case platform::WM_KEYDOWN:
      // The editor and a cellar tried from it take Esc for themselves.
      if (wParam == platform::VK_ESCAPE && !game::TakeEscape())
        platform::PostMessageA(platform::WM_CLOSE, 0, 0);
      return 1;
    case platform::WM_KEYUP:
      return 1;
    case platform::MM_MCINOTIFY:
      if (wParam == platform::MCI_NOTIFY_SUCCESSFUL && audio::MusicOpen)
        audio::HandleMusicNotify(wParam);
      break;
    default:
      break;
  }
  return platform::DefWindowProcA(message, wParam, lParam);
}

}  // namespace app
