// Kept solutions and the input script that plays them through the whole game.
#include "solver/playthrough.h"

#include <fstream>
#include <sstream>

#include "game/data_model.h"
#include "game/rules.h"
#include "game/solution_file.h"
#include "game/solver.h"
#include "game/stage_file.h"
#include "platform/whole_file.h"

namespace tools {

namespace {

// Virtual times of the run, in ms. The boot logo ends before the title shows at 3 s;
// a move takes about 0.27 s; a dropped snowman sinks for under 0.5 s; a delivered
// cheese takes under 3 s to fall and be judged; a clear adds its 0.5 s banner and the
// 2 s intro card of the next stage.
constexpr uint32_t TITLE_START_MS = 3000;
constexpr uint32_t FIRST_MOVE_MS = 6000;
// Down moves the title's cursor to CONTINUE, and the menu then waits 0.2 s.
constexpr uint32_t CURSOR_MOVE_MS = 400;
constexpr uint32_t KEY_HOLD_MS = 40;
constexpr uint32_t MOVE_MS = 350;
constexpr uint32_t SNOWMAN_DROP_MS = 1000;
constexpr uint32_t CHEESE_DROP_MS = 3500;
constexpr uint32_t CLEAR_MS = 3500;
constexpr uint32_t ENDING_MS = 2000;

const char* KeyName(char move) {
  switch (move) {
    case 'U':
      return "up";
    case 'R':
      return "right";
    case 'D':
      return "down";
    default:
      return "left";
  }
}

void Tap(std::ostringstream& script, uint32_t at, const char* key) {
  script << at << " down " << key << '\n' << at + KEY_HOLD_MS << " up " << key << '\n';
}

}  // namespace

bool ReadSolutions(const std::string& path, std::vector<std::string>* moves, std::string* error) {
  std::string text;
  std::vector<game::CellarMoves> cellars;
  if (platform::ReadWholeFile(path, game::MOVE_FILE_MAX_BYTES, &text, error) !=
          platform::WholeFile::Read ||
      !game::ParseMoveLines(text, true, &cellars, error)) {
    *error = path + ": " + *error;
    return false;
  }
  moves->assign(game::STAGE_COUNT, "");
  for (const game::CellarMoves& cellar : cellars) (*moves)[cellar.stage] = cellar.moves;
  for (int s = 0; s < game::STAGE_COUNT; ++s) {
    if ((*moves)[s].empty()) {
      *error = path + ": no solution for stage " + std::to_string(s + 1);
      return false;
    }
  }
  return true;
}

bool LoadStagesAndSolutions(const std::string& sourceFolder, std::vector<std::string>* moves,
                            std::string* error) {
  game::StageFileError stageError;
  const std::string stages = sourceFolder + "/data/stage.dat";
  if (!game::LoadStageFile(stages.c_str(), game::StageSet, &stageError)) {
    *error = stageError.text;
    return false;
  }
  return ReadSolutions(sourceFolder + "/tools/stages/solutions.txt", moves, error);
}

std::string PlaythroughScript(const std::vector<std::string>& moves,
                              std::vector<uint32_t>* clearTimes, size_t firstStage) {
  std::ostringstream script;
  uint32_t delay = 0;
  if (firstStage > 0) {
    Tap(script, TITLE_START_MS, "down");
    delay = CURSOR_MOVE_MS;
  }
  Tap(script, TITLE_START_MS + delay, "space");
  uint32_t at = FIRST_MOVE_MS + delay;
  clearTimes->clear();
  for (size_t s = firstStage; s < moves.size(); ++s) {
    game::Position p = game::StageStart(game::StageSet[s]);
    for (char move : moves[s]) {
      Tap(script, at, KeyName(move));
      game::MoveOutcome outcome = game::PlayMove(p, game::MoveDirection(move));
      at += MOVE_MS;
      if (outcome == game::MoveOutcome::SnowmanDropped) at += SNOWMAN_DROP_MS;
      if (outcome == game::MoveOutcome::Delivered || outcome == game::MoveOutcome::WrongDelivery) {
        at += CHEESE_DROP_MS;
      }
    }
    at += CLEAR_MS;
    clearTimes->push_back(at);
  }
  Tap(script, at + ENDING_MS, "space");
  return script.str();
}

}  // namespace tools
