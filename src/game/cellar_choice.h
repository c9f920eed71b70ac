// Choosing a cellar on the title: with CONTINUE chosen, Left and Right step through the cellars
// cleared before and the one CONTINUE starts; a chosen cellar never lowers the progress saved.
#pragma once

#include <cstdint>
#include <vector>

#include "game/records.h"

namespace game {

struct CellarChoice {
  bool chosen = false;  // Left or Right chose a cellar
  int32_t choice = 0;   // the chosen cellar, an index
  // The cellars the player may start, found at the first step: the save and the records
  // do not change while the title shows.
  std::vector<int32_t> startable;
  // The saved cellar a chosen one was started from, 0 when the game began at START or
  // at the saved cellar: the save never records less.
  int32_t keptProgress = 0;
};

// The choice on the title.
extern CellarChoice LiveCellarChoice;

// Before the first step: every cellar of the stageCount in play cleared before (kept in
// records, STAGE_COUNT of them, or passed on the way to saved, the cellar of the save file)
// and saved itself can be chosen, and the choice starts at saved.
void BeginChoice(CellarChoice& choice, int32_t saved, const CellarRecord* records,
                 int32_t stageCount);

// Steps the chosen cellar by step (-1 or +1), stopping at both ends.
void StepChosenCellar(CellarChoice& choice, int32_t step);

// The cellar a confirmed menu item starts: the first for START; for CONTINUE the chosen
// one, which then keeps saved as the progress, or else saved.
int32_t ConfirmCellar(CellarChoice& choice, bool continuing, int32_t saved);

// What the save records once stage is the one to continue at.
int32_t ProgressToSave(const CellarChoice& choice, int32_t stage);

// Draws the chosen cellar's number beside CONTINUE, with arrows where more can be chosen.
void DrawChosenCellar(const CellarChoice& choice);

}  // namespace game
