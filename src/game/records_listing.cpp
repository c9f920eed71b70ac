// Listing the records for the command line, with the shortest clears worked out where needed.
#include "game/records_listing.h"

#include <cstdio>
#include <string>

#include "game/played_set.h"
#include "game/records.h"
#include "game/stage_file.h"
#include "lang/language.h"

namespace game {

namespace {

// One cleared cellar's line: its number, its title (when it has one) and its record.
std::string ListingLine(int32_t stage, const CellarRecord& record, int32_t shortest) {
  char figures[160];
  if (shortest == SHORTEST_UNKNOWN) {
    std::snprintf(figures, sizeof figures,
                  // TRANSLATORS: --records: a cleared cellar's record after its number and
                  // title, where the fewest possible moves are not known; part of a line of
                  // 80 columns.
                  lang::Translate("最少%d手、最短は不明"), record.Fewest());
  } else {
    std::snprintf(figures, sizeof figures,
                  // TRANSLATORS: --records: a cleared cellar's record after its number and
                  // title: the fewest moves of the player's clears, then the fewest possible;
                  // part of a line of 80 columns.
                  lang::Translate("最少%d手、最短%d手"), record.Fewest(), shortest);
  }
  const char* title = ShownTitle(LiveOwnSet, stage);
  std::string line =
      std::to_string(stage + 1) + "  " + (title ? title + std::string("  ") : "") + figures;
  if (record.hintsUsed) {
    // TRANSLATORS: --records: after a record that hints helped to make; part of a line of 80
    // columns.
    line += lang::Translate("、ヒントあり");
  }
  return line + "\n";
}

}  // namespace

bool ListRecords(std::string* listing, std::string* error) {
  if (!LoadStageSetInPlay(error)) return false;
  LoadRecords();
  LoadShortestClears();
  listing->clear();
  for (int32_t s = 0; s < StageCount; ++s) {
    if (Records[s].Exists()) *listing += ListingLine(s, Records[s], ShortestClear(s, true));
  }
  if (listing->empty()) {
    // TRANSLATORS: --records when no cellar has been cleared; one line of 80 columns.
    *listing = std::string(lang::Translate("まだ　どのカーヴも　クリアしていません")) + "\n";
  }
  return true;
}

}  // namespace game
