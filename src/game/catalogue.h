// The fixed cheese catalogue, the stage titles shown on the intro cards and the hint's notes.
#pragma once

#include "game/data_model.h"

namespace game {

// 14 cheeses and a trailing all-zero record.
extern const CheeseInfo CheeseCatalogue[CATALOGUE_SIZE + 1];
extern const char* const StageTitles[STAGE_COUNT];

// The hint's notes over the board. A line with %d is printed with the number of the cheese
// it names: its row in the side panel's list, from 1.
// Why the stage can no longer be cleared, one or two lines (the second may be null), in
// the order of the solver's reasons: rotten, over-ripe, too late, no cold way, other.
constexpr int32_t LOST_REASON_COUNT = 5;
extern const char* const LostNotes[LOST_REASON_COUNT][2];
// The line under the reason: H again takes back the moves since the stage could last be
// cleared, or, where no such position is known, giving up is what is left.
extern const char* const RewindNoteLine;
extern const char* const GiveUpNoteLine;
// The search gave up at its limit.
extern const char* const NoHintNote[2];

// The records of a cellar, over the board: the moves of this clear, the fewest of a clear
// with the shortest possible (or with the fewest alone where the shortest is not known),
// and a mark for a record that hints helped.
extern const char* const ClearMovesLine;
extern const char* const RecordLine;
extern const char* const RecordAloneLine;
extern const char* const HintsUsedLine;

}  // namespace game
