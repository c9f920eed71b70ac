// Heap accounting of the soak build: the global operator new and delete are
// replaced by versions that count calls and keep a size header before each block.
#include "allocation_counter.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace soak {
namespace {

// The header keeps the block's size; its size keeps the block aligned for any type.
constexpr size_t HEADER = alignof(std::max_align_t);
// Marks, in the header, a block of the soak's own bookkeeping: not counted at all.
constexpr size_t UNCOUNTED = ~(~size_t{0} >> 1);

uint64_t Count = 0;
size_t Live = 0;
size_t Peak = 0;
int Paused = 0;

void* Allocate(size_t size) {
  void* block = std::malloc(HEADER + size);
  if (!block) return nullptr;
  if (Paused > 0) {
    *static_cast<size_t*>(block) = size | UNCOUNTED;
  } else {
    *static_cast<size_t*>(block) = size;
    ++Count;
    Live += size;
    Peak = std::max(Peak, Live);
  }
  return static_cast<char*>(block) + HEADER;
}

void Free(void* pointer) {
  if (!pointer) return;
  void* block = static_cast<char*>(pointer) - HEADER;
  const size_t size = *static_cast<size_t*>(block);
  if ((size & UNCOUNTED) == 0) Live -= size;
  std::free(block);
}

void* AllocateOrThrow(size_t size) {
  void* pointer = Allocate(size);
  if (!pointer) throw std::bad_alloc();
  return pointer;
}

}  // namespace

uint64_t AllocationCount() {
  return Count;
}
size_t LiveBytes() {
  return Live;
}
size_t PeakLiveBytes() {
  return Peak;
}
void PauseCounting() {
  ++Paused;
}
void ResumeCounting() {
  --Paused;
}

}  // namespace soak

void* operator new(size_t size) {
  return soak::AllocateOrThrow(size);
}
void* operator new[](size_t size) {
  return soak::AllocateOrThrow(size);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  return soak::Allocate(size);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
  return soak::Allocate(size);
}
void operator delete(void* pointer) noexcept {
  soak::Free(pointer);
}
void operator delete[](void* pointer) noexcept {
  soak::Free(pointer);
}
void operator delete(void* pointer, size_t) noexcept {
  soak::Free(pointer);
}
void operator delete[](void* pointer, size_t) noexcept {
  soak::Free(pointer);
}
void operator delete(void* pointer, const std::nothrow_t&) noexcept {
  soak::Free(pointer);
}
void operator delete[](void* pointer, const std::nothrow_t&) noexcept {
  soak::Free(pointer);
}
