// Searches and random walks from the live position, for the solver's tests and benchmark.
#include "solver/position_walks.h"

#include "game/rules.h"

namespace tools {

game::HintResult SearchHere(int64_t limit, const std::atomic<bool>* cancel) {
  game::LiveStage here;
  game::CaptureLiveStage(&here);
  game::HintResult result = game::SolvePosition(limit, cancel);
  game::RestoreLiveStage(here);
  return result;
}

std::string RandomWalk(int32_t n, size_t steps, std::mt19937* random) {
  game::SetUpStage(n);
  std::string played;
  for (size_t i = 0; i < steps; ++i) {
    game::LiveStage before;
    game::CaptureLiveStage(&before);
    int32_t d = static_cast<int32_t>((*random)() % 4);
    game::MoveOutcome outcome = game::PlayMove(d);
    if (outcome == game::MoveOutcome::WrongDelivery || game::CheesesToDeliver <= 0) {
      game::RestoreLiveStage(before);
    } else if (outcome != game::MoveOutcome::Blocked) {
      played += "URDL"[d];
    }
  }
  return played;
}

}  // namespace tools
