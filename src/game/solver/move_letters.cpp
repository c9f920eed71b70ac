// Solutions as letters: a search's path as letters, and replaying a solution from a stage's start.
#include "game/rules.h"
#include "game/solver.h"

namespace game {

std::string PathLetters(const std::vector<HintStep>& path) {
  std::string letters;
  for (const HintStep& step : path) letters += MoveLetter(step.move);
  return letters;
}

int32_t ReplaySolution(const StageRecord& stage, const std::string& moves, std::string* why) {
  Position p = StageStart(stage);
  for (size_t i = 0; i < moves.size(); ++i) {
    std::string where = "move " + std::to_string(i + 1) + " (" + moves[i] + ")";
    int32_t d = MoveDirection(moves[i]);
    if (d < 0) {
      *why = where + " is not one of U, R, D, L";
      return 0;
    }
    MoveOutcome outcome = PlayMove(p, d);
    if (outcome == MoveOutcome::Blocked) {
      *why = where + " is blocked";
      return 0;
    }
    if (outcome == MoveOutcome::WrongDelivery) {
      *why = where + " delivers a cheese that is not good";
      return 0;
    }
    if (p.cheesesToDeliver <= 0 && i + 1 < moves.size()) {
      *why = where + " already clears the stage";
      return 0;
    }
  }
  if (p.cheesesToDeliver > 0) {
    *why = "the moves end with " + std::to_string(p.cheesesToDeliver) + " deliveries due";
    return 0;
  }
  return 1;
}

}  // namespace game
