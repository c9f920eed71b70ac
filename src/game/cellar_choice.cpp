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

// Every cellar cleared before (kept in the records, or passed on the way to the saved one)
// and the saved one itself, in order.
std::vector<int32_t> StartableCellars() {
  const int32_t saved = ReadSaveFile(SaveFilePath().c_str());
  std::vector<int32_t> cellars;
  for (int32_t s = 0; s < STAGE_COUNT; ++s) {
    if (s <= saved || Records[s].Exists()) cellars.push_back(s);
  }
  return cellars;
}

}  // namespace

void StepChosenCellar(int32_t step) {
  const std::vector<int32_t> cellars = StartableCellars();
  if (!Chosen) Choice = ReadSaveFile(SaveFilePath().c_str());
  Chosen = true;
  size_t at = 0;
  while (at + 1 < cellars.size() && cellars[at] < Choice) ++at;
  if (step < 0 && at > 0) --at;
  if (step > 0 && at + 1 < cellars.size()) ++at;
  Choice = cellars[at];
}

bool CellarChosen() {
  return Chosen;
}

int32_t ChosenCellar() {
  return Choice;
}

void DrawChosenCellar() {
  if (!Chosen) return;
  const std::vector<int32_t> cellars = StartableCellars();
  const char* label = lang::Translate("CONTINUE");
  const int32_t left = MENU_TEXT_LEFT + gfx::TextWidth(16, label) + CHOICE_GAP;
  gfx::PrintText(left, CONTINUE_Y, "%s %d %s", Choice > cellars.front() ? "←" : "　", Choice + 1,
                 Choice < cellars.back() ? "→" : "　");
}

}  // namespace game
