// The cellar chosen on the title, among those the player may start.
#include "game/cellar_choice.h"

#include <vector>

#include "game/board_drawing.h"
#include "game/data_model.h"
#include "game/records.h"
#include "game/save_file.h"
#include "gfx/text.h"
#include "lang/language.h"

namespace game {

namespace {

constexpr int32_t CONTINUE_Y = 170;
constexpr int32_t CHOICE_GAP = 10;  // between CONTINUE and the number

bool Chosen = false;
int32_t Choice = 0;
// The cellars the player may start, found at the first step: the save and the records do
// not change while the title shows, and the title redraws every frame.
std::vector<int32_t> Startable;

// Every cellar cleared before (kept in the records, or passed on the way to the saved one)
// and the saved one itself, in order.
void FindStartableCellars(int32_t saved) {
  for (int32_t s = 0; s < STAGE_COUNT; ++s) {
    if (s <= saved || Records[s].Exists()) Startable.push_back(s);
  }
}

}  // namespace

void StepChosenCellar(int32_t step) {
  if (!Chosen) {
    Choice = ReadSaveFile(SaveFilePath().c_str());
    FindStartableCellars(Choice);
    Chosen = true;
  }
  size_t at = 0;
  while (at + 1 < Startable.size() && Startable[at] < Choice) ++at;
  if (step < 0 && at > 0) --at;
  if (step > 0 && at + 1 < Startable.size()) ++at;
  Choice = Startable[at];
}

bool CellarChosen() {
  return Chosen;
}

int32_t ChosenCellar() {
  return Choice;
}

void DrawChosenCellar() {
  if (!Chosen) return;
  const char* label = lang::Translate("CONTINUE");
  const int32_t left = MENU_TEXT_LEFT + gfx::TextWidth(16, label) + CHOICE_GAP;
  gfx::PrintText(left, CONTINUE_Y, "%s %d %s", Choice > Startable.front() ? "←" : "　", Choice + 1,
                 Choice < Startable.back() ? "→" : "　");
}

}  // namespace game
