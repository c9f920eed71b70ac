// The shell's globals that the other subsystems read: the log, the frame step, the
// sine table, the presentation mode, the random generator and the sound handles. The
// shell sets them; they sit below every subsystem so that the engine and the game
// read them without depending on the shell.
#pragma once

#include <cstdint>
#include <cstdio>

namespace shared {

// "./report.txt", open for writing from start-up to window close; null when it
// could not be created (the display layer then skips its log lines).
extern std::FILE* ReportFile;

// Seconds taken by the last frame, at most 0.1.
extern double FrameStep;

// Entry i = trunc(360 * sin(i * 2pi / 360)), i = 0..449; entry a + 90 is the cosine.
extern int32_t SineTable[450];
void FillSineTable();

// 1 when presentation flips instead of copying (F10 held at window creation).
extern int32_t PageFlipMode;

// The runtime's random generator: state = state * 214013 + 2531011 (mod 2^32),
// result = bits 16..30 of the new state (0..32767). Seeded at window creation.
void SeedRandom(uint32_t seed);
int32_t NextRandom();

// The six sound effect handles, loaded from data/snd01.wav .. snd06.wav.
extern int SoundStageClear;
extern int SoundGoodDelivery;
extern int SoundRottenFailure;
extern int SoundWrongRipeness;
extern int SoundRottenDrop;
extern int SoundFailure;

}  // namespace shared
