// What keeps a cellar or a title from being played: the one set of rules the stage file's
// readers enforce and the editor shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/data_model.h"

namespace game {

// The longest title a stage file of a player's own may give a cellar, in bytes of UTF-8.
constexpr size_t MAX_TITLE_BYTES = 120;

// What is wrong with a cellar, in the order the stage file gives its numbers.
enum class CellarFaultKind {
  None,
  StartOutside,     // the start column or row is outside 1..9 (no player's start)
  DeliveriesBelow,  // the deliveries due are below 0
  CountOutside,     // more than 10 cheeses, or a count below 0
  CatalogueIndex,   // a cheese that is not in the catalogue
  StartWeek,        // a start week below -1
  CellValue,        // a cell that holds no piece of this cellar (6, a cheese without its pair)
  CheeseTwice,      // one cheese placed on two cells
  StartNotFloor,    // the player's start is not on floor
  CheeseMissing,    // a cheese in play is not on the board
  Border,           // the ring around the playfield is not all walls
};

// A cellar's first fault: what it is, in a line, and where the stage file shows it.
struct CellarProblem {
  CellarFaultKind kind = CellarFaultKind::None;
  std::string what;      // "" when the game can start the cellar
  int32_t number = -1;   // the number of the block that shows it (0 the start column), or -1
  int32_t x = 0, y = 0;  // the cell it is about, 0 when none
  int32_t cheese = -1;   // the cheese slot it is about, or -1
};

// The first fault of stage, checked in the order of the stage file's numbers.
CellarProblem FindCellarProblem(const StageRecord& stage);

// What a cellar lacks or breaks before the game can start it; "" when it can.
std::string CellarFault(const StageRecord& stage);

// What is wrong with the cheese of slot k, alone: its catalogue index or its start week.
std::string CheeseFault(const StageCheese& cheese, int32_t k);

// What keeps text from being a cellar's title in a stage file: longer than
// MAX_TITLE_BYTES, not UTF-8, a control character, or a blank at either end (the line
// would not read back the same); "" when it can be one. "" itself is no title at all.
std::string TitleFault(std::string_view title);

}  // namespace game
