// The editor's verdict: a cellar's fault, or its start searched beside the frames.
#include "game/editor_verdict.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

#include "game/rules.h"

namespace game {

VerdictSearch LiveVerdict;

namespace {

void Settle(VerdictSearch& judge, const HintResult& result) {
  CellarVerdict& verdict = judge.verdict;
  switch (result.status) {
    case HintStatus::Found:
      verdict.kind = VerdictKind::Clears;
      verdict.moves = PathLetters(result.path);
      break;
    case HintStatus::Lost:
      verdict.kind = VerdictKind::Lost;
      verdict.why = ExplainLost(judge.start);
      break;
    case HintStatus::Undecided:
      verdict.kind = VerdictKind::Undecided;
      break;
  }
}

}  // namespace

int64_t ChosenVerdictLimit() {
  const char* chosen = std::getenv("VAULMOOR_VERDICT_STATES");
  int64_t limit = 0;
  if (chosen == nullptr) return VERDICT_STATE_LIMIT;
  const char* end = chosen + std::strlen(chosen);
  auto [ptr, ec] = std::from_chars(chosen, end, limit);
  return ec == std::errc() && ptr == end && limit > 0 ? limit : VERDICT_STATE_LIMIT;
}

bool JudgeCellar(VerdictSearch& judge, const EditedCellar& cellar) {
  judge.verdict = CellarVerdict{};
  judge.verdict.fault = FindCellarProblem(cellar.stage);
  if (judge.verdict.fault.kind != CellarFaultKind::None) {
    judge.search.Cancel();
    judge.verdict.kind = VerdictKind::Fault;
    return true;
  }
  judge.start = StageStart(cellar.stage);
  judge.start.facing = cellar.facing;
  judge.search.Post(judge.start, judge.stateLimit);
  return FollowVerdict(judge);
}

bool FollowVerdict(VerdictSearch& judge) {
  HintResult result;
  if (judge.verdict.kind != VerdictKind::Searching || !judge.search.Take(&result)) return false;
  Settle(judge, result);
  return true;
}

std::string TracedVerdict(const CellarVerdict& verdict) {
  switch (verdict.kind) {
    case VerdictKind::Clears:
      return std::to_string(verdict.moves.size());
    case VerdictKind::Lost:
      return "lost";
    case VerdictKind::Undecided:
      return "undecided";
    default:
      return "";
  }
}

}  // namespace game
