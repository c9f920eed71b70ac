// The cellar editor's live verdict: whether the game's solver can clear the cellar being drawn
// from its start, and in how many moves, worked out by a background search after every change.
#pragma once

#include <cstdint>
#include <string>

#include "game/background_search.h"
#include "game/cellar_editor.h"
#include "game/cellar_fault.h"
#include "game/solver.h"

namespace game {

// Positions the verdict's search may know before it calls a cellar undecided: the hint's
// limit, so that a cellar decided here is one whose start the hint can answer for too. It
// is about ten times what the largest of the game's own cellars needs, takes some 45 MB and a
// few tenths of a second.
constexpr int64_t VERDICT_STATE_LIMIT = 400000;

enum class VerdictKind {
  Fault,      // the game could not start the cellar: not searched
  Searching,  // the search has not settled yet
  Clears,     // a shortest clear is known
  Lost,       // no way clears it
  Undecided,  // the search gave up at its state limit
};

struct CellarVerdict {
  VerdictKind kind = VerdictKind::Searching;
  CellarProblem fault;    // of a Fault
  std::string moves;      // a shortest clear of Clears: its move letters
  LostExplanation why{};  // of Lost: the reason the hint's note would give at the start
};

struct VerdictSearch {
  BackgroundSearch search;
  CellarVerdict verdict;
  Position start;  // the start of the cellar judged
  int64_t stateLimit = VERDICT_STATE_LIMIT;
};

// The verdict's search of the editor on screen.
extern VerdictSearch LiveVerdict;

// The state limit of the verdict's searches: VERDICT_STATE_LIMIT, or the whole positive
// number in the environment's VAULMOOR_VERDICT_STATES (for trying the limit out).
int64_t ChosenVerdictLimit();

// Judges cellar afresh: its fault at once, or its start posted to the search in place of
// the one before. True when the verdict has settled on return (a fault, or a search at once).
bool JudgeCellar(VerdictSearch& judge, const EditedCellar& cellar);

// Takes the search's answer once it has settled: true when the verdict settled now.
bool FollowVerdict(VerdictSearch& judge);

// What a run's record writes for a settled verdict: the moves of a clear, "lost" or
// "undecided"; "" for a fault or while searching.
std::string TracedVerdict(const CellarVerdict& verdict);

}  // namespace game
