// Records per cellar: kept in a records file beside the save file, tied to the stages they
// were made on, and checked by playing their moves again when read.
#include "game/records.h"

#include <cinttypes>
#include <cstdio>
#include <sstream>

#include "game/background_search.h"
#include "game/played_set.h"
#include "game/rules.h"
#include "game/solution_file.h"
#include "game/solver.h"
#include "game/stage_file.h"
#include "platform/files.h"
#include "platform/whole_file.h"

namespace game {

CellarRecord Records[STAGE_COUNT];

namespace {

constexpr const char* RECORDS_HEADER = "vaulmoor records 1";
// A search for a shortest clear gives up here: far beyond what any of our cellars needs.
constexpr int64_t SHORTEST_STATE_LIMIT = 4'000'000;

int32_t Shortest[STAGE_COUNT];
bool Searched[STAGE_COUNT];  // the search has settled without a figure: not asked again

// The search of a figure the game was not given, and the cellar it searches.
BackgroundSearch ShortestSearch;
int32_t SearchedStage = -1;

std::string RecordsPath() {
  return platform::UserFilePath(platform::UserFile::Save,
                                SetFileName(LiveOwnSet, RECORDS_FILE_PATH));
}

bool ParseRecordLine(const std::string& line, const StageRecord* stages, int32_t stageCount,
                     CellarRecord* records, std::string* why) {
  std::istringstream words(line);
  int32_t number = 0;
  int32_t hints = 0;
  std::string moves;
  std::string rest;
  if (!(words >> number >> hints >> moves) || (words >> rest) || number < 1 ||
      number > stageCount || (hints != 0 && hints != 1) || records[number - 1].Exists()) {
    *why = "a malformed record: '" + line + "'";
    return false;
  }
  std::string fault;
  if (ReplaySolution(stages[number - 1], moves, &fault) != 1) {
    *why = "the record of cellar " + std::to_string(number) + " does not clear it: " + fault;
    return false;
  }
  records[number - 1] = CellarRecord{moves, hints == 1};
  return true;
}

void SetAside(const std::string& path, const std::string& why) {
  const std::string aside = path + ".bad";
  // Only a file is moved: a folder, device or pipe of that name is not the game's.
  bool moved = false;
  if (platform::NotARegularFile(path).empty()) {
    std::remove(aside.c_str());
    moved = std::rename(path.c_str(), aside.c_str()) == 0;
  }
  std::fprintf(stderr, "vaulmoor: %s: %s; %s, play goes on without records\n", path.c_str(),
               why.c_str(), moved ? ("set aside as " + aside).c_str() : "left as it is");
}

int32_t FigureOf(const HintResult& result) {
  return result.status == HintStatus::Found ? static_cast<int32_t>(result.path.size())
                                            : SHORTEST_UNKNOWN;
}

void CollectShortest() {
  HintResult result;
  if (!ShortestSearch.Take(&result)) return;
  Shortest[SearchedStage] = FigureOf(result);
  Searched[SearchedStage] = true;
}

// Searches the figure of stage, in place of one still searched for another stage.
void SearchShortest(int32_t stage) {
  if (Searched[stage] || (ShortestSearch.Searching() && SearchedStage == stage)) return;
  const bool settled = ShortestSearch.Post(StageStart(StageSet[stage]), SHORTEST_STATE_LIMIT);
  SearchedStage = stage;
  if (settled) CollectShortest();
}

}  // namespace

std::string RecordsText(uint64_t stageSetId, const CellarRecord* records) {
  char id[32];
  std::snprintf(id, sizeof id, "%016" PRIx64, stageSetId);
  std::string text = std::string(RECORDS_HEADER) + "\nstage set " + id + "\n";
  for (int32_t s = 0; s < STAGE_COUNT; ++s) {
    if (!records[s].Exists()) continue;
    text += std::to_string(s + 1) + " " + (records[s].hintsUsed ? "1" : "0") + " " +
            records[s].moves + "\n";
  }
  return text;
}

bool ParseRecords(const std::string& text, const StageRecord* stages, int32_t stageCount,
                  CellarRecord* records, std::string* why) {
  std::istringstream lines(text);
  std::string header, idLine;
  if (!std::getline(lines, header) || header != RECORDS_HEADER || !std::getline(lines, idLine)) {
    *why = "not a records file";
    return false;
  }
  uint64_t id = 0;
  if (std::sscanf(idLine.c_str(), "stage set %16" SCNx64, &id) != 1) {
    *why = "not a records file";
    return false;
  }
  if (id != StageSetId(stages, stageCount)) {
    *why = "records of another stage file";
    return false;
  }
  for (std::string line; std::getline(lines, line);) {
    if (!ParseRecordLine(line, stages, stageCount, records, why)) return false;
  }
  if (!text.empty() && text.back() != '\n') {
    *why = "the file is cut short";
    return false;
  }
  return true;
}

void LoadRecords() {
  for (CellarRecord& record : Records) record = CellarRecord{};
  const std::string path = RecordsPath();
  std::string text, why;
  if (path.empty()) return;
  const platform::WholeFile file = platform::ReadWholeFile(path, RECORDS_MAX_BYTES, &text, &why);
  if (file == platform::WholeFile::Missing) return;  // no records yet
  CellarRecord read[STAGE_COUNT];
  if (file == platform::WholeFile::Refused ||
      !ParseRecords(text, StageSet, StageCount, read, &why)) {
    SetAside(path, why);
    return;
  }
  std::copy(std::begin(read), std::end(read), std::begin(Records));
}

bool RecordClear(int32_t stage, const std::string& moves, bool hintsUsed) {
  CellarRecord& record = Records[stage];
  const int32_t count = static_cast<int32_t>(moves.size());
  bool better = !record.Exists() || count < record.Fewest() ||
                (count == record.Fewest() && record.hintsUsed && !hintsUsed);
  if (!better) return false;
  record = CellarRecord{moves, hintsUsed};
  const std::string path = RecordsPath();
  std::string problem;
  if (!path.empty() &&
      !platform::ReplaceFile(path, RecordsText(StageSetId(StageSet, StageCount), Records),
                             &problem)) {
    std::fprintf(stderr, "vaulmoor: %s: the records cannot be written: %s\n", path.c_str(),
                 problem.c_str());
  }
  return true;
}

void LoadShortestClears() {
  ShortestSearch.Cancel();
  std::fill(std::begin(Shortest), std::end(Shortest), SHORTEST_UNKNOWN);
  std::fill(std::begin(Searched), std::end(Searched), false);
  std::string text, why;
  std::vector<CellarMoves> kept;
  if (platform::ReadWholeFile(platform::GameFilePath(SHORTEST_FILE_PATH), MOVE_FILE_MAX_BYTES,
                              &text, &why) == platform::WholeFile::Read &&
      NotedStageSetId(text) == StageSetId(StageSet, StageCount) &&
      ParseMoveLines(text, true, &kept, &why)) {
    for (const CellarMoves& cellar : kept) {
      Shortest[cellar.stage] = static_cast<int32_t>(cellar.moves.size());
    }
  }
}

int32_t ShortestClear(int32_t stage, bool wait) {
  CollectShortest();
  if (Shortest[stage] != SHORTEST_UNKNOWN) return Shortest[stage];
  if (wait) {
    Shortest[stage] = FigureOf(SolvePosition(StageStart(StageSet[stage]), SHORTEST_STATE_LIMIT));
  } else {
    SearchShortest(stage);
  }
  return Shortest[stage];
}

}  // namespace game
