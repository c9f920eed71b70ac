// The six sound effects, loaded in the order of their handles.
#include "app/shell.h"
#include "app/shell_state.h"
#include "audio/sound.h"

namespace app {

void LoadSounds() {
  SoundStageClear = audio::LoadSoundEffect("data/snd01.wav", 1);
  SoundGoodDelivery = audio::LoadSoundEffect("data/snd02.wav", 1);
  SoundRottenFailure = audio::LoadSoundEffect("data/snd03.wav", 1);
  SoundWrongRipeness = audio::LoadSoundEffect("data/snd04.wav", 1);
  SoundRottenDrop = audio::LoadSoundEffect("data/snd05.wav", 1);
  SoundFailure = audio::LoadSoundEffect("data/snd06.wav", 1);
}

}  // namespace app
