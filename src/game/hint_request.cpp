// Following the hint or rewind asked for, and whether the hints helped in this stage.
#include "game/hint_request.h"

#include "game/hint.h"

namespace game {

HelpRequest AskForHelp(HintRequest& request, const Position& here) {
  request.wanted = request.rewindOffered ? HelpRequest::Rewind : HelpRequest::Hint;
  request.wantedAt = EncodePosition(here);
  return request.wanted;
}

HelpRequest WantedAt(HintRequest& request, const Position& here) {
  if (request.wanted != HelpRequest::None && !(EncodePosition(here) == request.wantedAt)) {
    request.wanted = HelpRequest::None;
  }
  return request.wanted;
}

void LeavePosition(HintRequest& request) {
  request.wanted = HelpRequest::None;
  request.rewindOffered = false;
}

void HintAnswered(HintRequest& request, int32_t hint, int32_t movesKept) {
  request.wanted = HelpRequest::None;
  if (hint >= 0) request.hintsHelped = true;
  if (hint == HINT_LOST) request.rewindOffered = movesKept > 0;
}

void RewindAnswered(HintRequest& request, bool movedBack) {
  request.wanted = HelpRequest::None;
  if (movedBack) request.hintsHelped = true;
}

}  // namespace game
