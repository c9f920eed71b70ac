// The player's hint: answers from the solver, remembered along the ways it finds, worked out
// ahead on a worker thread in real-time runs.
#include "game/hint.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

#include "game/scenes.h"
#include "game/solver.h"
#include "platform/platform.h"

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

// ---- The worker (real-time runs) --------------------------------------------------------

struct Job {
  Position position;
  PositionKey key;
  int32_t stageNumber;
};

std::mutex Lock;  // guards the job and the result below
std::condition_variable_any JobPosted;
bool HasJob = false;
Job Posted;
bool HasResult = false;
Job Solved;
HintResult Result;
std::atomic<bool> Cancel{false};  // a newer job or the program's end stops the search

// The frame thread's view: the position last posted, until its answer is learnt.
bool Waiting = false;
PositionKey WaitingFor;

void Work(std::stop_token stop) {
  std::stop_callback onStop(stop, [] { Cancel = true; });
  std::unique_lock<std::mutex> lock(Lock);
  while (JobPosted.wait(lock, stop, [] { return HasJob; }) && !stop.stop_requested()) {
    Job job = Posted;
    HasJob = false;
    Cancel = false;
    lock.unlock();
    HintResult result = SolvePosition(job.position, HINT_STATE_LIMIT, &Cancel);
    lock.lock();
    if (HasJob || stop.stop_requested()) continue;  // out of date, or cut short
    Solved = job;
    Result = std::move(result);
    HasResult = true;
  }
}

// Declared last: at the program's end it stops and joins first, before the rest goes.
std::jthread Worker;

void Post(const Position& p, const PositionKey& key) {
  {
    std::lock_guard<std::mutex> guard(Lock);
    Posted = Job{p, key, StageNumber};
    HasJob = true;
    Cancel = true;
  }
  JobPosted.notify_one();
  if (!Worker.joinable()) Worker = std::jthread(Work);
  Waiting = true;
  WaitingFor = key;
}

void CollectResult() {
  std::lock_guard<std::mutex> guard(Lock);
  if (!HasResult) return;
  HasResult = false;
  Learn(Solved.stageNumber, Solved.key, Result);
  if (Solved.key == WaitingFor) Waiting = false;
}

}  // namespace

int32_t AskHint(const Position& p) {
  HintsAsked = true;
  PositionKey asked = EncodePosition(p);
  int32_t hint = HINT_WORKING;
  if (platform::IsHeadless()) {
    if (Look(asked, &hint)) return hint;
    Learn(StageNumber, asked, SolvePosition(p, HINT_STATE_LIMIT));
    Look(asked, &hint);
    return hint;
  }
  CollectResult();
  if (Look(asked, &hint)) return hint;
  if (!Waiting || !(WaitingFor == asked)) Post(p, asked);
  return HINT_WORKING;
}

void PrepareHint() {
  if (!HintsAsked || platform::IsHeadless()) return;
  CollectResult();
  PositionKey here = EncodePosition(LivePosition);
  int32_t hint = HINT_WORKING;
  if (Look(here, &hint) || (Waiting && WaitingFor == here)) return;
  Post(LivePosition, here);
}

}  // namespace game
