// The table of the cellars in docs/stages.md, read back for the tests that hold it to the data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace stagetable {

// One row: "| stage | title | how it plays | moves | pushes | waiting | states | best-first |".
struct Row {
  bool listed = false;
  int32_t moves = 0;
  int32_t pushes = 0;
  int32_t waiting = 0;
  int64_t states = 0;     // what breadth-first search explores
  int64_t bestFirst = 0;  // what the best-first search explores
};

// The rows of the stage table, stage 1 first; stages without a row are not listed.
std::vector<Row> ReadRows(const std::string& path);

// The stages named on the line that begins "Timing stages:", in the order given.
std::vector<int32_t> ReadTimingStages(const std::string& path);

}  // namespace stagetable
