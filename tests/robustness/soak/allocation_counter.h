// Heap accounting of the soak build: every allocation through operator new is
// counted, and the bytes alive now and at most are kept.
#pragma once

#include <cstddef>
#include <cstdint>

namespace soak {

uint64_t AllocationCount();  // operator new calls so far
size_t LiveBytes();          // bytes allocated and not yet freed
size_t PeakLiveBytes();      // the most LiveBytes has been

// While paused, the soak's own bookkeeping allocates without being counted, and
// those blocks stay out of the live bytes until they are freed.
void PauseCounting();
void ResumeCounting();

}  // namespace soak
