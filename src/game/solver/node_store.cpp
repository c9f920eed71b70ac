// The node store of the searches: nodes in chunks, and an open-addressing table of their keys.
#include "game/solver/node_store.h"

#include <algorithm>

namespace game {

namespace {

constexpr size_t FIRST_TABLE_SIZE = 1 << 16;

uint32_t TagOf(const PositionKey& key) {
  return static_cast<uint32_t>(HashKey(key) >> 32);
}

}  // namespace

NodeStore::NodeStore(const Node& start) : table_(FIRST_TABLE_SIZE, Entry{0, 0}) {
  mask_ = table_.size() - 1;
  Insert(start);
}

uint32_t NodeStore::Append(const Node& node) {
  if ((size_ & CHUNK_MASK) == 0)
    chunks_.push_back(std::make_unique_for_overwrite<Node[]>(1u << CHUNK_BITS));
  (*this)[size_] = node;
  return size_++;
}

// The slot of key in the table: the one that holds it, or the empty one where it goes.
uint64_t NodeStore::SlotOf(const PositionKey& key, uint32_t tag) const {
  uint64_t slot = tag & mask_;
  while (table_[slot].index != 0 &&
         (table_[slot].tag != tag || !((*this)[table_[slot].index - 1].key == key))) {
    slot = (slot + 1) & mask_;
  }
  return slot;
}

void NodeStore::Place(const Entry& entry) {
  uint64_t slot = entry.tag & mask_;
  while (table_[slot].index != 0) slot = (slot + 1) & mask_;
  table_[slot] = entry;
}

// Keeps the table at most half full, so that probes stay short.
void NodeStore::GrowIfFull() {
  if (size_ * 2 <= table_.size()) return;
  std::vector<Entry> old(table_.size() * 2, Entry{0, 0});
  old.swap(table_);
  mask_ = table_.size() - 1;
  for (const Entry& entry : old) {
    if (entry.index != 0) Place(entry);
  }
}

bool NodeStore::Insert(const Node& node) {
  return Insert(node, TagOf(node.key));
}

uint32_t NodeStore::Prepare(const PositionKey& key) const {
  uint32_t tag = TagOf(key);
  __builtin_prefetch(&table_[tag & mask_]);
  return tag;
}

bool NodeStore::Insert(const Node& node, uint32_t tag) {
  uint64_t slot = SlotOf(node.key, tag);
  if (table_[slot].index != 0) return false;
  table_[slot] = Entry{Append(node) + 1, tag};
  GrowIfFull();
  return true;
}

uint32_t NodeStore::Find(const PositionKey& key) const {
  return table_[SlotOf(key, TagOf(key))].index - 1;
}

uint32_t NodeStore::Put(const Node& node) {
  uint32_t tag = TagOf(node.key);
  uint64_t slot = SlotOf(node.key, tag);
  bool added = table_[slot].index == 0;
  uint32_t index = Append(node);
  table_[slot] = Entry{index + 1, tag};
  if (added) GrowIfFull();
  return index;
}

std::vector<uint32_t> NodeStore::Lineage(uint32_t index) const {
  std::vector<uint32_t> line;
  for (uint32_t i = index; i != 0; i = (*this)[i].parent) line.push_back(i);
  line.push_back(0);
  std::reverse(line.begin(), line.end());
  return line;
}

}  // namespace game
