// The showcase cellar that the golden pictures show: a cheese of each state, snowmen and holes.
#pragma once

#include <string>

namespace golden {

// The stage file of every scene run: the showcase cellar as stages 1 and 32, plain
// cellars between them.
std::string ShowcaseStageFile();

}  // namespace golden
