// The recipes of the six sound effects: which tones sound, when, and how.
#include "effects.h"

#include <cmath>

#include "synth.h"

namespace tools {
namespace {

// Equal-tempered pitch of a note given as semitones above A4 (440 Hz).
double Note(int32_t semitones) {
  return 440.0 * std::pow(2.0, semitones / 12.0);
}

constexpr int32_t C5 = 3, E5 = 7, G5 = 10, C6 = 15, E6 = 19, G6 = 22, B6 = 26;
constexpr int32_t G4 = -2, E4 = -5, C4 = -9;

Tone Brass(double start, double length, int32_t note, double volume) {
  Tone t;
  t.start = start;
  t.length = length;
  t.wave = Wave::Saw;
  t.freqFrom = t.freqTo = Note(note);
  t.volume = volume;
  t.attack = 0.015;
  t.release = 0.04;
  t.cutoffFrom = 1800.0;
  t.cutoffTo = 2600.0;
  return t;
}

// snd01, a stage cleared: a rising trumpet call ending on a held chord.
std::vector<int16_t> StageClear() {
  std::vector<Tone> tones = {Brass(0.00, 0.11, C5, 0.5), Brass(0.12, 0.11, E5, 0.5),
                             Brass(0.24, 0.11, G5, 0.5), Brass(0.36, 0.70, C6, 0.55),
                             Brass(0.36, 0.70, G5, 0.3), Brass(0.36, 0.70, E5, 0.3)};
  tones[3].vibratoRate = 6.0;
  tones[3].vibratoDepth = 0.008;
  Tone drum;  // a soft timpani under the last chord
  drum.start = 0.36;
  drum.length = 0.5;
  drum.freqFrom = Note(C4 - 12);
  drum.freqTo = Note(C4 - 14);
  drum.volume = 0.5;
  drum.decay = 7.0;
  tones.push_back(drum);
  return RenderTones(tones, 1.15, 0.8);
}

Tone Bell(double start, int32_t note, double volume) {
  Tone t;
  t.start = start;
  t.length = 0.6;
  t.freqFrom = t.freqTo = Note(note);
  t.volume = volume;
  t.attack = 0.002;
  t.release = 0.05;
  t.decay = 6.0;
  return t;
}

// snd02, a good delivery: two bright bell strikes, each with a ringing overtone.
std::vector<int16_t> GoodDelivery() {
  std::vector<Tone> tones;
  for (const auto& [start, note] : {std::pair{0.0, E6}, std::pair{0.1, B6}}) {
    tones.push_back(Bell(start, note, 0.5));
    Tone overtone = Bell(start, note, 0.18);
    overtone.freqFrom = overtone.freqTo = Note(note) * 2.76;  // a bell's inharmonic partial
    overtone.decay = 11.0;
    tones.push_back(overtone);
  }
  tones.push_back(Bell(0.2, G6, 0.25));
  return RenderTones(tones, 0.8, 0.75);
}

// snd03, a rotten cheese served: a low groan sinking away, with a breathy hiss.
std::vector<int16_t> RottenFailure() {
  Tone groan;
  groan.length = 1.4;
  groan.wave = Wave::Saw;
  groan.freqFrom = 190.0;
  groan.freqTo = 65.0;
  groan.volume = 0.7;
  groan.attack = 0.08;
  groan.release = 0.4;
  groan.vibratoRate = 5.0;
  groan.vibratoDepth = 0.03;
  groan.cutoffFrom = 900.0;
  groan.cutoffTo = 250.0;
  Tone breath;
  breath.length = 1.2;
  breath.wave = Wave::Noise;
  breath.volume = 0.25;
  breath.attack = 0.2;
  breath.release = 0.6;
  breath.cutoffFrom = 1200.0;
  breath.cutoffTo = 300.0;
  breath.seed = 303;
  return RenderTones({groan, breath}, 1.45, 0.8);
}

// snd04, the wrong ripeness: a puzzled "hm-hm?", the second tone bending upwards.
std::vector<int16_t> WrongRipeness() {
  Tone first;
  first.length = 0.16;
  first.wave = Wave::Triangle;
  first.freqFrom = first.freqTo = Note(E4);
  first.volume = 0.6;
  first.release = 0.05;
  Tone second = first;
  second.start = 0.22;
  second.length = 0.3;
  second.freqFrom = Note(G4);
  second.freqTo = Note(C5);
  Tone buzz = second;  // a nasal edge on the question
  buzz.wave = Wave::Square;
  buzz.volume = 0.12;
  buzz.cutoffFrom = buzz.cutoffTo = 1500.0;
  return RenderTones({first, second, buzz}, 0.6, 0.75);
}

// snd05, a rotten cheese landing: a wet splat of filtered noise over a sagging thud.
std::vector<int16_t> RottenDrop() {
  Tone splat;
  splat.length = 0.3;
  splat.wave = Wave::Noise;
  splat.volume = 0.7;
  splat.attack = 0.003;
  splat.decay = 9.0;
  splat.cutoffFrom = 2500.0;
  splat.cutoffTo = 300.0;
  splat.wahRate = 14.0;
  splat.seed = 505;
  Tone thud;
  thud.length = 0.35;
  thud.freqFrom = 260.0;
  thud.freqTo = 70.0;
  thud.volume = 0.6;
  thud.decay = 8.0;
  thud.vibratoRate = 18.0;
  thud.vibratoDepth = 0.08;
  return RenderTones({splat, thud}, 0.4, 0.8);
}

// snd06, failure and giving up: the sad trombone, three steps down and a long
// wobbling last note, each opened and closed like a muted horn.
std::vector<int16_t> Failure() {
  std::vector<Tone> tones;
  const int32_t notes[4] = {G4, G4 - 1, G4 - 2, G4 - 3};
  for (int32_t k = 0; k < 4; ++k) {
    Tone t;
    t.start = 0.3 * k;
    t.length = k < 3 ? 0.28 : 0.9;
    t.wave = Wave::Saw;
    t.freqFrom = Note(notes[k] - 12);
    t.freqTo = k < 3 ? t.freqFrom * 0.985 : t.freqFrom * 0.94;
    t.volume = 0.7;
    t.attack = 0.03;
    t.release = k < 3 ? 0.05 : 0.3;
    t.cutoffFrom = t.cutoffTo = 1400.0;
    t.wahRate = k < 3 ? 1.0 / 0.28 : 5.0;
    if (k == 3) {
      t.vibratoRate = 5.0;
      t.vibratoDepth = 0.02;
    }
    tones.push_back(t);
  }
  return RenderTones(tones, 1.8, 0.8);
}

}  // namespace

const std::vector<SoundEffect>& SoundEffects() {
  static const std::vector<SoundEffect> effects = {
      {"snd01.wav", StageClear},    {"snd02.wav", GoodDelivery}, {"snd03.wav", RottenFailure},
      {"snd04.wav", WrongRipeness}, {"snd05.wav", RottenDrop},   {"snd06.wav", Failure}};
  return effects;
}

}  // namespace tools
