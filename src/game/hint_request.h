// The hint or rewind the player asked for: followed at the position it was asked at until it
// is answered, forgotten once that position is left.
#pragma once

#include "game/data_model.h"
#include "game/solver/position_key.h"

namespace game {

enum class HelpRequest { None, Hint, Rewind };

struct HintRequest {
  HelpRequest wanted = HelpRequest::None;
  PositionKey wantedAt{};
  bool rewindOffered = false;  // the note offers the rewind from the position it is about
  bool hintsHelped = false;    // a hint moved or rewound since the stage began
};

// H pressed at here: the rewind where the note offers it, else a hint.
HelpRequest AskForHelp(HintRequest& request, const Position& here);

// What is still wanted at here: a request made at another position is forgotten.
HelpRequest WantedAt(HintRequest& request, const Position& here);

// The position a request or the offer of a rewind was made at is left.
void LeavePosition(HintRequest& request);

// The hint has answered (a direction, HINT_LOST or HINT_NONE): a direction helps, and a
// lost position offers the rewind when moves were kept since the last restart.
void HintAnswered(HintRequest& request, int32_t hint, int32_t movesKept);

// The rewind has answered: movedBack when it took moves back (and so left the position).
void RewindAnswered(HintRequest& request, bool movedBack);

}  // namespace game
