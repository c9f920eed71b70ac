// The player's hint: answers from the solver, remembered along the ways it finds, worked out
// ahead by the background search when it runs beside the frames.
#include "game/hint.h"

#include <vector>

#include "game/background_search.h"
#include "game/scenes.h"
#include "game/solver.h"

namespace game {

namespace {

// ---- Answers known for the stage in play (frame thread only) ------------------------------

struct Answer {
  PositionKey position;
  int32_t hint;
};

constexpr size_t MAX_ANSWERS = 4096;  // past it the answers start over

std::vector<Answer> Answers;
int32_t AnswersStage = -1;  // the stage the answers belong to
bool HintsAsked = false;    // the player has asked for a hint in this run

bool Look(const PositionKey& position, int32_t* hint) {
  if (AnswersStage != StageNumber) {
    Answers.clear();
    AnswersStage = StageNumber;
  }
  for (const Answer& answer : Answers) {
    if (answer.position == position) {
      *hint = answer.hint;
      return true;
    }
  }
  return false;
}

// Every position along a way found answers with its move: the rest of a shortest way is
// a shortest way from there.
void Learn(int32_t stage, const PositionKey& asked, const HintResult& result) {
  if (stage != AnswersStage) return;
  if (Answers.size() + result.path.size() + 1 > MAX_ANSWERS) Answers.clear();
  if (result.status == HintStatus::Found) {
    for (const HintStep& step : result.path) Answers.push_back(Answer{step.position, step.move});
  } else {
    Answers.push_back(Answer{asked, result.status == HintStatus::Lost ? HINT_LOST : HINT_NONE});
  }
}

// ---- The search (frame thread only) -----------------------------------------------------

BackgroundSearch Search;

// The position last posted to the search, until its answer is learnt.
bool Waiting = false;
PositionKey WaitingFor;
int32_t WaitingStage = -1;

void CollectResult() {
  HintResult result;
  if (!Search.Take(&result)) return;
  Learn(WaitingStage, WaitingFor, result);
  Waiting = false;
}

// Posts a position; a search at once has learnt its answer on return.
void Post(const Position& p, const PositionKey& key) {
  const bool settled = Search.Post(p, HINT_STATE_LIMIT);
  Waiting = true;
  WaitingFor = key;
  WaitingStage = StageNumber;
  if (settled) CollectResult();
}

}  // namespace

int32_t AskHint(const Position& p) {
  HintsAsked = true;
  PositionKey asked = EncodePosition(p);
  int32_t hint = HINT_WORKING;
  CollectResult();
  if (Look(asked, &hint)) return hint;
  if (!Waiting || !(WaitingFor == asked)) Post(p, asked);
  Look(asked, &hint);
  return hint;
}

// Working out ahead only pays while the search runs beside the frames: at once, it would
// cost the frame, and the answers remembered along its ways would differ from those the
// questions themselves find.
void PrepareHint() {
  if (!HintsAsked || CurrentSearchPace() == SearchPace::AtOnce) return;
  CollectResult();
  PositionKey here = EncodePosition(LivePosition);
  int32_t hint = HINT_WORKING;
  if (Look(here, &hint) || (Waiting && WaitingFor == here)) return;
  Post(LivePosition, here);
}

void ForgetHints() {
  Search.Cancel();
  Waiting = false;
  Answers.clear();
  AnswersStage = -1;
}

}  // namespace game
