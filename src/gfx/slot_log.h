// The display-memory log line written each time a sprite slot receives a surface.
#pragma once

#include <cstdint>

namespace gfx {

// Writes the "sprite number" line with the current free display memory.
void LogSlotCreated(int32_t slot);

}  // namespace gfx
