// The cellar chosen on the title, among those the player may start.
#include "game/cellar_choice.h"

#include <algorithm>

#include "game/board_drawing.h"
#include "game/data_model.h"
#include "gfx/text.h"
#include "lang/language.h"

namespace game {

namespace {

constexpr int32_t CONTINUE_Y = 170;
constexpr int32_t CHOICE_GAP = 10;  // between CONTINUE and the number

}  // namespace

CellarChoice LiveCellarChoice;

void BeginChoice(CellarChoice& choice, int32_t saved, const CellarRecord* records,
                 int32_t stageCount) {
  choice.startable.clear();
  for (int32_t s = 0; s < stageCount; ++s) {
    if (s <= saved || records[s].Exists()) choice.startable.push_back(s);
  }
  choice.choice = saved;
  choice.chosen = true;
}

void StepChosenCellar(CellarChoice& choice, int32_t step) {
  const std::vector<int32_t>& startable = choice.startable;
  size_t at = 0;
  while (at + 1 < startable.size() && startable[at] < choice.choice) ++at;
  if (step < 0 && at > 0) --at;
  if (step > 0 && at + 1 < startable.size()) ++at;
  choice.choice = startable[at];
}

int32_t ConfirmCellar(CellarChoice& choice, bool continuing, int32_t saved) {
  choice.keptProgress = continuing && choice.chosen ? saved : 0;
  if (!continuing) return 0;
  return choice.chosen ? choice.choice : saved;
}

int32_t ProgressToSave(const CellarChoice& choice, int32_t stage) {
  return std::max(stage, choice.keptProgress);
}

void DrawChosenCellar(const CellarChoice& choice) {
  if (!choice.chosen) return;
  const char* label = lang::Translate("CONTINUE");
  const int32_t left = MENU_TEXT_LEFT + gfx::TextWidth(16, label) + CHOICE_GAP;
  gfx::PrintText(left, CONTINUE_Y, "%s %d %s",
                 choice.choice > choice.startable.front() ? "←" : "　", choice.choice + 1,
                 choice.choice < choice.startable.back() ? "→" : "　");
}

}  // namespace game
