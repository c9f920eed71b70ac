// The six sound effects, loaded in the order of their handles.
#include "app/shell.h"
#include "audio/sound.h"
#include "shared/shell_state.h"

namespace app {

void LoadSounds() {
  shared::SoundStageClear = audio::LoadSoundEffect("data/snd01.wav", 1);
  shared::SoundGoodDelivery = audio::LoadSoundEffect("data/snd02.wav", 1);
  shared::SoundRottenFailure = audio::LoadSoundEffect("data/snd03.wav", 1);
  shared::SoundWrongRipeness = audio::LoadSoundEffect("data/snd04.wav", 1);
  shared::SoundRottenDrop = audio::LoadSoundEffect("data/snd05.wav", 1);
  shared::SoundFailure = audio::LoadSoundEffect("data/snd06.wav", 1);
}

}  // namespace app
