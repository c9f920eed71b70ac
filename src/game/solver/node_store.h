// The nodes of one search, kept in the order they are found, with a hash table from each
// key to its node; the memory stays for the next search.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "game/solver/position_key.h"

namespace game {

// One cache line each, so that comparing a node's key reads one line.
struct alignas(64) Node {
  PositionKey key;
  uint32_t parent;  // the node this one was reached from; the start is its own parent
  uint8_t move;     // the direction played from the parent
  bool replaced;    // a later node reached the same key by fewer moves (A* only)
  uint16_t cost;    // moves from the search's start (A* only)
};
static_assert(sizeof(Node) == 64);

class NodeStore {
 public:
  static constexpr uint32_t NOT_FOUND = 0xFFFFFFFF;

  // Starts a search: forgets every node and holds its start alone, node 0. The memory of the
  // nodes and the table stays (up to what a large hint search needs) for the search.
  void Restart(const Node& start);

  uint32_t Size() const { return size_; }
  Node& operator[](uint32_t i) { return chunks_[i >> CHUNK_BITS][i & CHUNK_MASK]; }
  const Node& operator[](uint32_t i) const { return chunks_[i >> CHUNK_BITS][i & CHUNK_MASK]; }

  // Adds node unless a node with its key is known. False when it was known.
  bool Insert(const Node& node);

  // The tag of key, with its table slot fetched ahead: several keys prepared before they
  // are inserted wait for memory together rather than one after the other.
  uint32_t Prepare(const PositionKey& key) const;
  bool Insert(const Node& node, uint32_t tag);

  // The index of the node with key, or NOT_FOUND.
  uint32_t Find(const PositionKey& key) const;

  // Adds node as the one the table knows for its key, in place of any earlier one.
  // Returns its index.
  uint32_t Put(const Node& node);

  // The nodes from the search's start to index, start first.
  std::vector<uint32_t> Lineage(uint32_t index) const;

 private:
  // Nodes live in chunks that never move, so that a node stays where it is while
  // others are added, and growing copies nothing.
  static constexpr uint32_t CHUNK_BITS = 14;
  static constexpr uint32_t CHUNK_MASK = (1u << CHUNK_BITS) - 1;

  // Node index + 1 (0 when empty) with the upper half of the key's hash: most probes
  // are settled without touching the node, and the slot follows from the tag alone.
  struct Entry {
    uint32_t index;
    uint32_t tag;
  };

  uint32_t Append(const Node& node);
  uint64_t SlotOf(const PositionKey& key, uint32_t tag) const;
  void Place(const Entry& entry);
  void GrowIfFull();

  std::vector<std::unique_ptr<Node[]>> chunks_;
  uint32_t size_ = 0;
  std::vector<Entry> table_;
  std::vector<Entry> spare_;  // the table before it last grew, its memory kept for the next growth
  uint64_t mask_ = 0;
};

}  // namespace game
