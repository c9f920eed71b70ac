// Choosing a cellar on the title: with CONTINUE chosen, Left and Right step through the cellars
// cleared before and the one CONTINUE starts.
#pragma once

#include <cstdint>

namespace game {

// Steps the chosen cellar by step (-1 or +1), stopping at both ends; the first step starts
// from the cellar of the save file. Call from the title with CONTINUE chosen.
void StepChosenCellar(int32_t step);

// Whether Left or Right chose a cellar since the program started.
bool CellarChosen();

// The chosen cellar (an index); valid once CellarChosen().
int32_t ChosenCellar();

// Draws the chosen cellar's number beside CONTINUE, with arrows where more can be chosen.
void DrawChosenCellar();

}  // namespace game
