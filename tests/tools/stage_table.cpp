// The table of the cellars in docs/stages.md, read back for the tests that hold it to the data.
#include "stage_table.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "game/data_model.h"

namespace stagetable {

namespace {

// A figure as the table writes it, with or without thousands separators.
int64_t Figure(const std::string& cell) {
  std::string digits;
  for (char c : cell) {
    if (c >= '0' && c <= '9') digits += c;
  }
  return digits.empty() ? -1 : std::atoll(digits.c_str());
}

}  // namespace

std::vector<Row> ReadRows(const std::string& path) {
  std::vector<Row> rows(game::STAGE_COUNT);
  std::ifstream table(path);
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] != '|') continue;
    std::vector<std::string> cells;
    std::istringstream row(line.substr(1));
    for (std::string cell; std::getline(row, cell, '|');) cells.push_back(cell);
    if (cells.size() != 8) continue;
    int64_t stage = Figure(cells[0]);
    if (stage < 1 || stage > game::STAGE_COUNT) continue;
    Row& r = rows[stage - 1];
    r.listed = true;
    r.moves = static_cast<int32_t>(Figure(cells[3]));
    r.pushes = static_cast<int32_t>(Figure(cells[4]));
    r.waiting = static_cast<int32_t>(Figure(cells[5]));
    r.states = Figure(cells[6]);
    r.bestFirst = Figure(cells[7]);
  }
  return rows;
}

std::vector<int32_t> ReadTimingStages(const std::string& path) {
  const std::string start = "Timing stages:";
  std::ifstream text(path);
  std::vector<int32_t> stages;
  for (std::string line; std::getline(text, line);) {
    if (line.compare(0, start.size(), start) != 0) continue;
    std::string list = line.substr(start.size());
    for (char& c : list) {
      if (c < '0' || c > '9') c = ' ';
    }
    std::istringstream numbers(list);
    for (int32_t n; numbers >> n;) stages.push_back(n);
  }
  return stages;
}

}  // namespace stagetable
