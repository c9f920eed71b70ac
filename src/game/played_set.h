// The stage set in play: the game's own cellars, or the cellars of a player's stage file
// (--stages FILE) with their titles and a save and records of their own.
#pragma once

#include <cstdint>
#include <string>

#include "game/cellar_file.h"

namespace game {

// A player's stage file as it is played.
struct OwnStageSet {
  bool chosen = false;  // the file's cellars are in play instead of the game's own
  CellarFile file;
  // For each cellar, the index of the game's own cellar it is (the same start, deliveries,
  // cheeses and board), whose designed title it shows when the file gives it none; or -1.
  int32_t designed[STAGE_COUNT] = {};
};

// The set of one's own in play, if one was chosen.
extern OwnStageSet LiveOwnSet;

// Reads the player's stage file at path into set and matches each cellar against
// gameStages (the game's own 32, or nullptr when they could not be read). False with the
// loader's message (the file, the cellar, where and what is wrong).
bool ReadOwnStageSet(OwnStageSet& set, const char* path, const StageRecord* gameStages,
                     std::string* why);

// Marks set as chosen, each of its file's cellars matched against gameStages as
// ReadOwnStageSet does.
void MatchOwnStageSet(OwnStageSet& set, const StageRecord* gameStages);

// Puts set in play as LiveOwnSet: its cellars into StageSet and StageCount, and the names of
// its save and records.
void PutOwnSetInPlay(const OwnStageSet& set);

// --stages FILE: reads the set at path, matched against the game's data/stage.dat, and puts
// it in play at once. False with what is wrong.
bool ChooseOwnStageSet(const char* path, std::string* why);

// At boot: the game's own cellars from data/stage.dat into StageSet, unless a set of one's
// own is already in play. False with what is wrong.
bool LoadStageSetInPlay(std::string* why);

// The title the intro card shows for stage: for the game's own cellars the designed one,
// in the player's language; for a set of one's own its file's title, else the designed
// title of the game's cellar it is; nullptr for none.
const char* ShownTitle(const OwnStageSet& set, int32_t stage);

// The name of a file the game keeps for the set in play, as the game names its files
// ("data/records.dat"): the name itself for the game's own cellars; for a set of one's own
// the set's id before the extension ("data/records-0123456789abcdef.dat").
std::string SetFileName(const OwnStageSet& set, const std::string& name);

}  // namespace game
