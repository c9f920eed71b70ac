// Positions reached from a stage's start, by given moves or by random walks.
#include "solver/position_walks.h"

#include "game/rules.h"
#include "game/solver.h"

namespace tools {

game::Position AfterMoves(const game::StageRecord& stage, const std::string& moves) {
  game::Position p = game::StageStart(stage);
  for (char move : moves) game::PlayMove(p, game::MoveDirection(move));
  return p;
}

Walk RandomWalk(const game::StageRecord& stage, size_t steps, std::mt19937* random) {
  Walk walk{game::StageStart(stage), ""};
  for (size_t i = 0; i < steps; ++i) {
    int32_t d = static_cast<int32_t>((*random)() % 4);
    game::Position next = walk.end;
    game::MoveOutcome outcome = game::PlayMove(next, d);
    if (outcome == game::MoveOutcome::WrongDelivery || next.cheesesToDeliver <= 0) continue;
    if (outcome != game::MoveOutcome::Blocked) walk.moves += game::MoveLetter(d);
    walk.end = next;
  }
  return walk;
}

}  // namespace tools
