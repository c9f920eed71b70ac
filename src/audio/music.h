// The MIDI music service: one file at a time under the device alias midi, repeated at its end.
#pragma once

#include <cstdint>

namespace audio {

extern int32_t MusicOpen;
extern int32_t MusicRepeat;
extern char MusicStatus[32];

int32_t InitMusic();
int32_t PlayMusic(const char* fileName);
void RestartMusic();
void StopMusic();
void CloseMusicDevice();
void DisableMusicRepeat();
// The end-of-sequence notification (MM_MCINOTIFY with wParam 1), from the window procedure.
void HandleMusicNotify(uintptr_t wParam);

}  // namespace audio
