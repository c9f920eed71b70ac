// The MIDI sequencer behind the MCI command strings: FluidSynth's file player,
// rendered as one more source of the sound output. The end of a sequence is the
// player's tick reaching the file's last tick; FluidSynth's own "done" state
// comes only seconds later, once every voice has died away.
#include "platform/mci.h"

#include <fluidsynth.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/mci_command.h"
#include "platform/platform.h"
#include "platform/sound_device.h"
#include "platform/whole_file.h"

namespace platform {

namespace {

constexpr uint32_t kScratchFrames = 1024;
// A Standard MIDI File begins with its header chunk; a whole album of tunes
// takes a few hundred kilobytes.
constexpr std::string_view kMidiFileId = "MThd";
constexpr size_t kMidiFileMaxBytes = 16 << 20;
// General MIDI soundfonts from Debian, small first: the first that loads is used.
constexpr const char* kSoundfonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                       "/usr/share/sounds/sf2/default-GM.sf2"};

enum class SequencerMode { Closed, Stopped, Playing };

fluid_settings_t* Settings = nullptr;
fluid_synth_t* Synth = nullptr;
fluid_player_t* Player = nullptr;
// Read by the status query while the audio thread may end the sequence.
std::atomic<SequencerMode> Mode = SequencerMode::Closed;
bool NotifyPending = false;
// Set by a play until the player's tick is seen inside the file again: a seek
// takes effect only in the synthesizer's next block, and until then the tick
// may still stand at the end of the previous play.
bool AwaitingStart = false;
bool CloseListenerAdded = false;

// Posts the success notification of the play that asked for one.
void ReportSequenceEnd() {
  Mode = SequencerMode::Stopped;
  fluid_player_stop(Player);
  if (!NotifyPending) return;
  NotifyPending = false;
  PostMessageA(MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 0);
}

// Adds the synthesizer's output to the mix and watches for the sequence's end.
void RenderMusic(float* accumulator, uint32_t frames) {
  if (Synth == nullptr) return;
  static float scratch[2 * kScratchFrames];
  while (frames > 0) {
    uint32_t chunk = frames < kScratchFrames ? frames : kScratchFrames;
    fluid_synth_write_float(Synth, static_cast<int>(chunk), scratch, 0, 2, scratch, 1, 2);
    for (uint32_t i = 0; i < 2 * chunk; ++i) accumulator[i] += scratch[i];
    accumulator += 2 * chunk;
    frames -= chunk;
    if (Mode != SequencerMode::Playing) continue;
    int total = fluid_player_get_total_ticks(Player);
    bool atEnd = total > 0 && fluid_player_get_current_tick(Player) >= total;
    if (!atEnd) AwaitingStart = total == 0;
    if (atEnd && !AwaitingStart) ReportSequenceEnd();
  }
}

void DeletePlayer() {
  if (Player == nullptr) return;
  LockSoundDevice();
  fluid_player_t* player = Player;
  Player = nullptr;
  Mode = SequencerMode::Closed;
  NotifyPending = false;
  if (Synth != nullptr) fluid_synth_all_sounds_off(Synth, -1);
  delete_fluid_player(player);
  UnlockSoundDevice();
}

// The output has gone: the synthesizer and any open sequence go with it.
void ReleaseSynth() {
  DeletePlayer();
  if (Synth != nullptr) delete_fluid_synth(Synth);
  if (Settings != nullptr) delete_fluid_settings(Settings);
  Synth = nullptr;
  Settings = nullptr;
}

// FluidSynth's own complaints about a soundfont or a file, on standard error as
// the program's other lines are.
void SayFluidSynthMessage(int, const char* message, void*) {
  std::fprintf(stderr, "vaulmoor: fluidsynth: %s\n", message);
}

// Loads the soundfont once, on the first open, so that start-up stays quick.
uint32_t EnsureSynth() {
  if (Synth != nullptr) return 0;
  if (!SoundDeviceIsOpen()) return MCIERR_HARDWARE;
  for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN})
    fluid_set_log_function(level, SayFluidSynthMessage, nullptr);
  Settings = new_fluid_settings();
  fluid_settings_setnum(Settings, "synth.sample-rate", SOUND_DEVICE_RATE);
  fluid_settings_setint(Settings, "synth.cpu-cores", 1);
  Synth = new_fluid_synth(Settings);
  bool loaded = false;
  for (const char* soundfont : kSoundfonts) {
    if (loaded || Synth == nullptr) break;
    loaded =
        fluid_is_soundfont(soundfont) && fluid_synth_sfload(Synth, soundfont, 1) != FLUID_FAILED;
  }
  if (!loaded) {
    std::fprintf(stderr, "vaulmoor: no General MIDI soundfont (%s); music stays silent\n",
                 kSoundfonts[0]);
    ReleaseSynth();
    return MCIERR_CANNOT_LOAD_DRIVER;
  }
  if (!CloseListenerAdded) AddSoundCloseListener(ReleaseSynth);
  CloseListenerAdded = true;
  SetSoundRenderHook(RenderMusic);
  return 0;
}

uint32_t Open(const std::string& path) {
  if (Mode != SequencerMode::Closed) return MCIERR_DEVICE_OPEN;
  // Read here, whole, so that neither a pipe nor a device reaches FluidSynth's reader.
  std::string bytes, problem;
  if (ReadWholeFile(path, kMidiFileMaxBytes, &bytes, &problem) != WholeFile::Read ||
      !bytes.starts_with(kMidiFileId))
    return MCIERR_FILE_NOT_FOUND;
  if (uint32_t error = EnsureSynth()) return error;
  // The player hangs its timer on the synthesizer, which the audio thread runs.
  LockSoundDevice();
  Player = new_fluid_player(Synth);
  if (Player != nullptr && fluid_player_add_mem(Player, bytes.data(), bytes.size()) != FLUID_OK) {
    delete_fluid_player(Player);
    Player = nullptr;
  }
  Mode = Player != nullptr ? SequencerMode::Stopped : SequencerMode::Closed;
  UnlockSoundDevice();
  return Player != nullptr ? 0 : MCIERR_FILE_NOT_FOUND;
}

uint32_t Seek() {
  LockSoundDevice();
  fluid_player_stop(Player);
  fluid_player_seek(Player, 0);
  Mode = SequencerMode::Stopped;
  NotifyPending = false;
  UnlockSoundDevice();
  return 0;
}

uint32_t Play(bool notify) {
  LockSoundDevice();
  fluid_player_play(Player);
  Mode = SequencerMode::Playing;
  NotifyPending = notify;
  AwaitingStart = true;
  UnlockSoundDevice();
  return 0;
}

uint32_t Stop() {
  LockSoundDevice();
  if (Mode == SequencerMode::Playing) {
    fluid_player_stop(Player);
    fluid_synth_all_notes_off(Synth, -1);
  }
  Mode = SequencerMode::Stopped;
  NotifyPending = false;
  UnlockSoundDevice();
  return 0;
}

uint32_t Status(char* returnString, uint32_t returnLength) {
  if (returnString == nullptr || returnLength == 0) return 0;
  const char* mode = Mode == SequencerMode::Playing ? "playing" : "stopped";
  std::snprintf(returnString, returnLength, "%s", mode);
  return 0;
}

uint32_t Close() {
  DeletePlayer();
  return 0;
}

bool IsOpen() {
  return Mode != SequencerMode::Closed;
}

}  // namespace

uint32_t mciSendStringA(const char* command, char* returnString, uint32_t returnLength,
                        bool notifyWindow) {
  static constexpr MciSequencer SEQUENCER = {Open, Seek, Play, Stop, Status, Close, IsOpen};
  return RunMciCommand(SEQUENCER, command, returnString, returnLength, notifyWindow);
}

}  // namespace platform
