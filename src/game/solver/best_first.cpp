// The best-first search: A* from any position, with the lower bound and calendar merging, run
// to its end at once or a budget of positions at a time.
#include <algorithm>
#include <limits>
#include <optional>

#include "game/rules.h"
#include "game/solver.h"
#include "game/solver/calendar.h"
#include "game/solver/lower_bound.h"
#include "game/solver/node_store.h"
#include "game/solver/successors.h"

namespace game {

namespace {

// How many positions a search run to its end expands between two looks at its cancel flag.
constexpr int64_t CANCEL_CHECK_STATES = 1024;

// Open positions by estimated total moves; within one estimate the latest pushed is taken
// first, which prefers the deepest and reaches the goal sooner. Which of the positions of
// the lowest estimate comes first does not change the length of the way found.
class OpenList {
 public:
  // Empties the list, keeping its memory.
  void Clear() {
    for (std::vector<uint32_t>& open : byTotal_) open.clear();
    lowest_ = 0;
  }

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

}  // namespace

// One search at a time; the node store and the open list keep their memory from one to the
// next. The decoder, calendar and bound belong to the stage of the search's start.
class BestFirstSearch::State {
 public:
  void Start(const Position& from, int64_t stateLimit) {
    decoder_.emplace(from);
    start_ = EncodePosition(from);
    calendar_.emplace(start_, decoder_->Bare());
    bound_.emplace(decoder_->Bare());
    nodes_.Restart(Node{calendar_->Merged(start_), 0, 0, false, 0});
    open_.Clear();
    stateLimit_ = stateLimit;
    result_ = HintResult{};
    settled_ = false;
    uint16_t atStart = bound_->Estimate(start_);
    if (atStart != NO_WAY) open_.Push(atStart, 0);
  }

  bool Advance(int64_t budget) {
    uint32_t index = 0;
    for (int64_t expanded = 0; !settled_ && expanded < budget; ++expanded) {
      if (!open_.Pop(&index)) {
        Settle(HintStatus::Lost);
      } else if (nodes_[index].replaced) {
        continue;
      } else if (!Expand(index)) {
        Settle(HintStatus::Found);
      } else if (nodes_.Size() >= stateLimit_) {
        Settle(HintStatus::Undecided);
      }
    }
    return settled_;
  }

  HintResult TakeResult() {
    result_.statesExplored = nodes_.Size();
    return std::move(result_);
  }

 private:
  void Settle(HintStatus status) {
    result_.status = status;
    settled_ = true;
  }

  // Plays every move from node index; false once one of them clears the stage.
  bool Expand(uint32_t index) {
    uint16_t cost = nodes_[index].cost;
    return ForEachMove(*decoder_, calendar_->Real(nodes_[index].key, cost),
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
    Node child{calendar_->Merged(reached), index, static_cast<uint8_t>(d), false, cost};
    uint32_t known = nodes_.Find(child.key);
    if (known != NodeStore::NOT_FOUND && nodes_[known].cost <= cost) return;
    uint16_t h = bound_->Estimate(reached);
    if (h == NO_WAY) return;
    if (known != NodeStore::NOT_FOUND) nodes_[known].replaced = true;
    open_.Push(cost + h, nodes_.Put(child));
  }

  // The way through node index and then move d, each step with its real position.
  void TakeWay(uint32_t index, int32_t d) {
    for (uint32_t i : nodes_.Lineage(index)) {
      if (i != 0) result_.path.back().move = nodes_[i].move;
      result_.path.push_back(HintStep{calendar_->Real(nodes_[i].key, nodes_[i].cost), -1});
    }
    result_.path.back().move = d;
  }

  std::optional<KeyDecoder> decoder_;
  PositionKey start_;
  std::optional<Calendar> calendar_;
  std::optional<LowerBound> bound_;
  NodeStore nodes_;
  OpenList open_;
  int64_t stateLimit_ = 0;
  HintResult result_;
  bool settled_ = true;
};

BestFirstSearch::BestFirstSearch() : state_(std::make_unique<State>()) {}
BestFirstSearch::~BestFirstSearch() = default;

void BestFirstSearch::Start(const Position& from, int64_t stateLimit) {
  state_->Start(from, stateLimit);
}

bool BestFirstSearch::Advance(int64_t budget) {
  return state_->Advance(budget);
}

HintResult BestFirstSearch::TakeResult() {
  return state_->TakeResult();
}

HintResult BestFirstSearch::Solve(const Position& from, int64_t stateLimit) {
  Start(from, stateLimit);
  Advance(std::numeric_limits<int64_t>::max());
  return TakeResult();
}

HintResult SolvePosition(const Position& from, int64_t stateLimit,
                         const std::atomic<bool>* cancel) {
  BestFirstSearch search;
  search.Start(from, stateLimit);
  while (cancel == nullptr || !cancel->load(std::memory_order_relaxed)) {
    if (search.Advance(CANCEL_CHECK_STATES)) return search.TakeResult();
  }
  HintResult cancelled = search.TakeResult();
  cancelled.status = HintStatus::Undecided;
  cancelled.path.clear();
  return cancelled;
}

SolveResult AsSolution(const HintResult& found) {
  SolveResult result;
  result.solved = found.status == HintStatus::Found;
  result.exhausted = found.status == HintStatus::Undecided;
  result.statesExplored = found.statesExplored;
  result.moves = PathLetters(found.path);
  return result;
}

SolveResult SolveStage(const StageRecord& stage, int64_t stateLimit) {
  return AsSolution(BestFirstSearch().Solve(StageStart(stage), stateLimit));
}

}  // namespace game
