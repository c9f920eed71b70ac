// What `vaulmoor --records` prints: one line per cleared cellar.
#pragma once

#include <string>

namespace game {

// Loads the stage set in play and the records made on it and lists them: number, title,
// fewest moves, shortest possible, and whether hints were used. False with the reason when
// the stage file cannot be read.
bool ListRecords(std::string* listing, std::string* error);

}  // namespace game
