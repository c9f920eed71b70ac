// The MIDI sequencer behind the MCI command strings in a web page: FluidSynth
// built for the web (js-synthesizer) with the TimGM6mb soundfont, driven by the
// page's music script (music.js) and rendered as one more source of the sound
// output. The synthesizer and soundfont load in the background from the first
// key press on; a play asked for before then starts once they are there.
#include "platform/mci.h"

#include <emscripten.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "platform/mci_command.h"
#include "platform/platform.h"
#include "platform/sound_device.h"
#include "platform/whole_file.h"

namespace platform {

namespace {

constexpr std::string_view kMidiFileId = "MThd";
constexpr size_t kMidiFileMaxBytes = 16 << 20;

// What the music script's render reports: the sequence has reached its end.
constexpr int kSequenceEnded = 2;

enum class SequencerMode { Closed, Stopped, Playing };

SequencerMode Mode = SequencerMode::Closed;
bool NotifyPending = false;
bool HookSet = false;

void ReportSequenceEnd() {
  Mode = SequencerMode::Stopped;
  EM_ASM({ vaulmoorMusic.stop(); });
  if (!NotifyPending) return;
  NotifyPending = false;
  PostMessageA(MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 0);
}

// Adds the synthesizer's output to the mix and watches for the sequence's end.
void RenderMusic(float* accumulator, uint32_t frames) {
  const int state =
      EM_ASM_INT({ return vaulmoorMusic.render(HEAPF32, $0 >> 2, $1); }, accumulator, frames);
  if (state == kSequenceEnded && Mode == SequencerMode::Playing) ReportSequenceEnd();
}

uint32_t Open(const std::string& path) {
  if (Mode != SequencerMode::Closed) return MCIERR_DEVICE_OPEN;
  std::string bytes, problem;
  if (ReadWholeFile(path, kMidiFileMaxBytes, &bytes, &problem) != WholeFile::Read ||
      !bytes.starts_with(kMidiFileId))
    return MCIERR_FILE_NOT_FOUND;
  if (!SoundDeviceIsOpen()) return MCIERR_HARDWARE;
  if (!HookSet) SetSoundRenderHook(RenderMusic);
  HookSet = true;
  EM_ASM({ vaulmoorMusic.open(HEAPU8.slice($0, $0 + $1)); }, bytes.data(), bytes.size());
  Mode = SequencerMode::Stopped;
  return 0;
}

uint32_t Stop() {
  EM_ASM({ vaulmoorMusic.stop(); });
  Mode = SequencerMode::Stopped;
  NotifyPending = false;
  return 0;
}

uint32_t Rewind() {
  EM_ASM({ vaulmoorMusic.rewind(); });
  Mode = SequencerMode::Stopped;
  NotifyPending = false;
  return 0;
}

uint32_t Play(bool notify) {
  EM_ASM({ vaulmoorMusic.play(); });
  Mode = SequencerMode::Playing;
  NotifyPending = notify;
  return 0;
}

uint32_t Status(char* returnString, uint32_t returnLength) {
  if (returnString == nullptr || returnLength == 0) return 0;
  const char* mode = Mode == SequencerMode::Playing ? "playing" : "stopped";
  std::snprintf(returnString, returnLength, "%s", mode);
  return 0;
}

uint32_t Close() {
  EM_ASM({ vaulmoorMusic.close(); });
  Mode = SequencerMode::Closed;
  NotifyPending = false;
  return 0;
}

bool IsOpen() {
  return Mode != SequencerMode::Closed;
}

}  // namespace

uint32_t mciSendStringA(const char* command, char* returnString, uint32_t returnLength,
                        bool notifyWindow) {
  static constexpr MciSequencer SEQUENCER = {Open, Rewind, Play, Stop, Status, Close, IsOpen};
  return RunMciCommand(SEQUENCER, command, returnString, returnLength, notifyWindow);
}

}  // namespace platform
