// The stage set in play: a player's file read and matched with the game's own cellars, its
// titles, and the names of the files kept for it.
#include "game/played_set.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "game/catalogue.h"
#include "game/save_file.h"
#include "game/solution_file.h"
#include "lang/language.h"
#include "platform/files.h"

namespace game {

OwnStageSet LiveOwnSet;

namespace {

bool SameCellar(const StageRecord& a, const StageRecord& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

int32_t DesignedIndex(const StageRecord& stage, const StageRecord* gameStages) {
  for (int32_t s = 0; gameStages != nullptr && s < STAGE_COUNT; ++s) {
    if (SameCellar(stage, gameStages[s])) return s;
  }
  return -1;
}

}  // namespace

bool ReadOwnStageSet(OwnStageSet& set, const char* path, const StageRecord* gameStages,
                     std::string* why) {
  StageFileError error{};
  if (!LoadCellarFile(path, &set.file, &error)) {
    *why = error.text;
    return false;
  }
  MatchOwnStageSet(set, gameStages);
  return true;
}

void MatchOwnStageSet(OwnStageSet& set, const StageRecord* gameStages) {
  for (int32_t s = 0; s < STAGE_COUNT; ++s) {
    set.designed[s] = s < set.file.count ? DesignedIndex(set.file.stages[s], gameStages) : -1;
  }
  set.chosen = true;
}

bool ChooseOwnStageSet(const char* path, std::string* why) {
  // The game's own cellars only lend their titles: without them the set plays untitled.
  std::vector<StageRecord> gameStages(STAGE_COUNT);
  StageFileError ignored{};
  const bool game = LoadStageFile(platform::GameFilePath(STAGE_FILE_PATH).c_str(),
                                  gameStages.data(), &ignored) == 1;
  auto set = std::make_unique<OwnStageSet>();
  if (!ReadOwnStageSet(*set, path, game ? gameStages.data() : nullptr, why)) return false;
  PutOwnSetInPlay(*set);
  return true;
}

void PutOwnSetInPlay(const OwnStageSet& set) {
  LiveOwnSet = set;
  std::copy(set.file.stages, set.file.stages + STAGE_COUNT, StageSet);
  StageCount = set.file.count;
  SaveFileName = SetFileName(set, SAVE_FILE_PATH);
}

bool LoadStageSetInPlay(std::string* why) {
  if (LiveOwnSet.chosen) return true;
  StageFileError error{};
  if (!LoadStageFile(platform::GameFilePath(STAGE_FILE_PATH).c_str(), StageSet, &error)) {
    *why = error.text;
    return false;
  }
  StageCount = STAGE_COUNT;
  return true;
}

const char* ShownTitle(const OwnStageSet& set, int32_t stage) {
  if (!set.chosen) return lang::Translate(StageTitles[stage]);
  if (!set.file.titles[stage].empty()) return set.file.titles[stage].c_str();
  const int32_t designed = set.designed[stage];
  return designed >= 0 ? lang::Translate(StageTitles[designed]) : nullptr;
}

std::string SetFileName(const OwnStageSet& set, const std::string& name) {
  if (!set.chosen) return name;
  char id[24];
  std::snprintf(id, sizeof id, "-%016" PRIx64, StageSetId(set.file.stages, set.file.count));
  const size_t dot = name.rfind('.');
  return name.substr(0, dot) + id + name.substr(dot);
}

}  // namespace game
