// The hint's search: A* from any position, with the lower bound and calendar merging.
#include <algorithm>

#include "game/rules.h"
#include "game/solver.h"
#include "game/solver/calendar.h"
#include "game/solver/lower_bound.h"
#include "game/solver/node_store.h"
#include "game/solver/successors.h"

namespace game {

namespace {

// Open positions by estimated total moves; within one estimate the latest pushed is taken
// first, which prefers the deepest and reaches the goal sooner.
class OpenList {
 public:
  void Push(uint32_t total, uint32_t index) {
    if (total >= byTotal_.size()) byTotal_.resize(total + 1);
    byTotal_[total].push_back(index);
    lowest_ = std::min<size_t>(lowest_, total);
  }

  bool Pop(uint32_t* index) {
    while (lowest_ < byTotal_.size() && byTotal_[lowest_].empty()) ++lowest_;
    if (lowest_ == byTotal_.size()) return false;
    *index = byTotal_[lowest_].back();
    byTotal_[lowest_].pop_back();
    return true;
  }

 private:
  std::vector<std::vector<uint32_t>> byTotal_;
  size_t lowest_ = 0;
};

class HintSearch {
 public:
  explicit HintSearch(const Position& from)
      : decoder_(from),
        start_(EncodePosition(from)),
        calendar_(start_, decoder_.Bare()),
        nodes_(Node{calendar_.Merged(start_), 0, 0, false, 0}),
        bound_(decoder_.Bare()) {}

  HintResult Run(int64_t stateLimit, const std::atomic<bool>* cancel) {
    uint16_t atStart = bound_.Estimate(start_);
    if (atStart != NO_WAY) open_.Push(atStart, 0);
    uint32_t index = 0;
    for (int64_t popped = 0; open_.Pop(&index); ++popped) {
      if ((popped & 1023) == 0 && cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
        result_.status = HintStatus::Undecided;
        break;
      }
      if (nodes_[index].replaced) continue;
      if (!Expand(index)) break;
      if (nodes_.Size() >= stateLimit) {
        result_.status = HintStatus::Undecided;
        break;
      }
    }
    result_.statesExplored = nodes_.Size();
    return std::move(result_);
  }

 private:
  // Plays every move from node index; false once one of them clears the stage.
  bool Expand(uint32_t index) {
    uint16_t cost = nodes_[index].cost;
    return ForEachMove(decoder_, calendar_.Real(nodes_[index].key, cost),
                       [&](int32_t d, const Position& after) {
                         if (after.cheesesToDeliver > 0) {
                           Reach(index, d, EncodePosition(after));
                           return true;
                         }
                         // The estimate is at least 1 and never above the moves really
                         // needed, so this move ends a way of exactly the lowest estimate
                         // still open: a shortest one.
                         TakeWay(index, d);
                         return false;
                       });
  }

  // Opens the position reached by move d from node index, unless it is known by as few
  // moves or lost. A key reached again by fewer moves gets a new node, so that the ways
  // already found through the old one keep their own days.
  void Reach(uint32_t index, int32_t d, const PositionKey& reached) {
    uint16_t cost = static_cast<uint16_t>(nodes_[index].cost + 1);
    Node child{calendar_.Merged(reached), index, static_cast<uint8_t>(d), false, cost};
    uint32_t known = nodes_.Find(child.key);
    if (known != NodeStore::NOT_FOUND && nodes_[known].cost <= cost) return;
    uint16_t h = bound_.Estimate(reached);
    if (h == NO_WAY) return;
    if (known != NodeStore::NOT_FOUND) nodes_[known].replaced = true;
    open_.Push(cost + h, nodes_.Put(child));
  }

  // The way through node index and then move d, each step with its real position.
  void TakeWay(uint32_t index, int32_t d) {
    result_.status = HintStatus::Found;
    for (uint32_t i : nodes_.Lineage(index)) {
      if (i != 0) result_.path.back().move = nodes_[i].move;
      result_.path.push_back(HintStep{calendar_.Real(nodes_[i].key, nodes_[i].cost), -1});
    }
    result_.path.back().move = d;
  }

  KeyDecoder decoder_;
  PositionKey start_;
  Calendar calendar_;
  NodeStore nodes_;
  LowerBound bound_;
  OpenList open_;
  HintResult result_;
};

}  // namespace

HintResult SolvePosition(const Position& from, int64_t stateLimit,
                         const std::atomic<bool>* cancel) {
  return HintSearch(from).Run(stateLimit, cancel);
}

}  // namespace game
