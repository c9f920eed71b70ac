// The MIDI music service: command strings to the sequencer alias midi, and the
// replay (or close) when the end-of-sequence notification arrives.
#include "audio/music.h"

#include <string>

#include "platform/files.h"
#include "platform/mci.h"
#include "platform/platform.h"

namespace audio {

int32_t MusicOpen = 0;
int32_t MusicRepeat = 1;
char MusicStatus[32] = {};

namespace {

uint32_t Send(const char* command) {
  return platform::mciSendStringA(command, nullptr, 0, false);
}

uint32_t SendWithNotify(const char* command) {
  return platform::mciSendStringA(command, nullptr, 0, true);
}

}  // namespace

int32_t InitMusic() {
  MusicOpen = 0;
  MusicRepeat = 1;
  return 1;
}

int32_t PlayMusic(const char* fileName) {
  // open "<path>" type sequencer alias midi, as long as the path needs: a deep
  // folder must not cut the file name off.
  const std::string command =
      "open \"" + platform::ProgramFilePath(fileName) + "\" type sequencer alias midi";
  if (MusicOpen == 1) StopMusic();
  Send(command.c_str());
  Send("seek midi to start");
  uint32_t result = SendWithNotify("play midi notify");
  MusicOpen = 1;
  MusicRepeat = 1;
  return static_cast<int32_t>(result);
}

void RestartMusic() {
  if (MusicRepeat != 1) {
    StopMusic();
    return;
  }
  Send("seek midi to start");
  SendWithNotify("play midi notify");
}

void StopMusic() {
  if (MusicOpen != 1) return;
  Send("stop midi");
  Send("close midi");
  MusicOpen = 0;
}

void CloseMusicDevice() {
  Send("stop midi");
  Send("close midi");
}

void DisableMusicRepeat() {
  MusicRepeat = 0;
}

void HandleMusicNotify(uintptr_t wParam) {
  if (wParam != platform::MCI_NOTIFY_SUCCESSFUL || MusicOpen != 1) return;
  platform::mciSendStringA("status midi mode", MusicStatus, sizeof MusicStatus, false);
  if (MusicStatus[0] == 's' && MusicStatus[1] == 't') RestartMusic();
}

}  // namespace audio
