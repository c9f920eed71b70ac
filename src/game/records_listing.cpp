// Listing the records for the command line, with the shortest clears worked out where needed.
#include "game/records_listing.h"

#include "game/catalogue.h"
#include "game/records.h"
#include "game/stage_file.h"
#include "lang/language.h"
#include "platform/files.h"

namespace game {

bool ListRecords(std::string* listing, std::string* error) {
  StageFileError problem{};
  if (!LoadStageFile(platform::GameFilePath(STAGE_FILE_PATH).c_str(), StageSet, &problem)) {
    *error = problem.text;
    return false;
  }
  LoadRecords();
  LoadShortestClears();
  listing->clear();
  for (int32_t s = 0; s < STAGE_COUNT; ++s) {
    const CellarRecord& record = Records[s];
    if (!record.Exists()) continue;
    const int32_t shortest = ShortestClear(s, true);
    *listing += std::to_string(s + 1) + "  " + lang::Translate(StageTitles[s]) + "  fewest " +
                std::to_string(record.Fewest()) + ", shortest " +
                (shortest == SHORTEST_UNKNOWN ? "unknown" : std::to_string(shortest)) +
                (record.hintsUsed ? ", with hints" : "") + "\n";
  }
  if (listing->empty()) *listing = "No cellar has been cleared yet.\n";
  return true;
}

}  // namespace game
