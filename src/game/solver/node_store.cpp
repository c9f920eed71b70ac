// The node store of the searches: nodes in chunks, and an open-addressing table of their keys.
#include "game/solver/node_store.h"

#include <algorithm>

namespace game {

namespace {

constexpr size_t FIRST_TABLE_SIZE = 1 << 16;
// What a store keeps for the next search: chunks of about 260 000 nodes (16 MB), far more
// than a hint in our cellars needs, and tables for them. A rare larger search gives the rest
// of its memory back.
constexpr size_t KEPT_CHUNKS = 16;
constexpr size_t KEPT_TABLE_SIZE = size_t{1} << 19;

uint32_t TagOf(const PositionKey& key) {
  return static_cast<uint32_t>(HashKey(key) >> 32);
}

}  // namespace

void NodeStore::Restart(const Node& start) {
  if (chunks_.size() > KEPT_CHUNKS) chunks_.resize(KEPT_CHUNKS);
  for (std::vector<Entry>* table : {&table_, &spare_}) {
    if (table->capacity() > KEPT_TABLE_SIZE) std::vector<Entry>().swap(*table);
  }
  table_.assign(FIRST_TABLE_SIZE, Entry{0, 0});
  size_ = 0;
  mask_ = table_.size() - 1;
  Insert(start);
}

uint32_t NodeStore::Append(const Node& node) {
  if ((size_ >> CHUNK_BITS) == chunks_.size())
    chunks_.push_back(std::unique_ptr<Node[]>(new Node[1u << CHUNK_BITS]));  // left uninitialised
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
  spare_.swap(table_);
  table_.assign(spare_.size() * 2, Entry{0, 0});
  mask_ = table_.size() - 1;
  for (const Entry& entry : spare_) {
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
