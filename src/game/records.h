// The player's records per cellar: the fewest moves of a clear, with its moves, whether hints
// helped, and the shortest clear the solver knows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "game/data_model.h"

namespace game {

constexpr const char* RECORDS_FILE_PATH = "data/records.dat";
constexpr const char* SHORTEST_FILE_PATH = "data/shortest.dat";
constexpr int32_t SHORTEST_UNKNOWN = -1;
// A clear is as long as its cheeses' ripe windows allow, a few hundred moves: 32
// records fill some kilobytes, and a records file past this limit is not ours.
constexpr size_t RECORDS_MAX_BYTES = 1 << 20;

struct CellarRecord {
  std::string moves;  // the moves of the fewest-move clear; empty while there is none
  bool hintsUsed = false;

  bool Exists() const { return !moves.empty(); }
  int32_t Fewest() const { return static_cast<int32_t>(moves.size()); }
};

// The records of the stages in StageSet, index 0 for the first cellar.
extern CellarRecord Records[STAGE_COUNT];

// The text of a records file for stages whose id is stageSetId.
std::string RecordsText(uint64_t stageSetId, const CellarRecord* records);

// Reads records text into records (STAGE_COUNT of them). False with the reason when the
// text is not a records file, belongs to another stage set than the stageCount stages, or
// holds a record whose moves do not clear its cellar of stages.
bool ParseRecords(const std::string& text, const StageRecord* stages, int32_t stageCount,
                  CellarRecord* records, std::string* why);

// Loads the records file for StageSet, the one the stage set in play keeps. A file that cannot be
// used is set aside (renamed to its name + ".bad", one line on standard error) and play starts
// without records.
void LoadRecords();

// Keeps a clear of cellar stage with moves (letters), when it is the first or takes fewer
// moves than the record (or as many, without hints where the record had them), and writes
// the records file. True when the record changed.
bool RecordClear(int32_t stage, const std::string& moves, bool hintsUsed);

// The fewest moves that clear cellar stage of StageSet, or SHORTEST_UNKNOWN: from the
// figures that come with the game for its own cellars, worked out by the solver otherwise,
// at once when wait is set, else by the background search (unknown until it has settled,
// asked again). Frame thread only.
int32_t ShortestClear(int32_t stage, bool wait);

// Reads the figures that come with the game (once the stage set is loaded).
void LoadShortestClears();

}  // namespace game
