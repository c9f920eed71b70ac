// One search of the solver beside the frames, at the pace the run allows: on a thread, in slices
// of the frame thread's waits, or at once.
#include "game/background_search.h"

#include <algorithm>
#include <vector>

#include "platform/platform.h"

namespace game {

namespace {

// Positions a slice expands between two looks at the clock: well under a millisecond.
constexpr int64_t SLICE_STATES_PER_LOOK = 64;
// Positions the thread expands between two looks at whether its job is still wanted.
constexpr int64_t THREAD_STATES_PER_LOOK = 1024;
// The longest slice: the frame thread's waits are shared with the window's events.
constexpr uint32_t SLICE_MS = 4;

SearchPace Pace = SearchPace::AtOnce;

// Every search alive, for the slices and the program's end (frame thread only).
std::vector<BackgroundSearch*>& Searches() {
  static std::vector<BackgroundSearch*> searches;
  return searches;
}

// True while the clock has not reached untilMs (wrap-around compare).
bool Before(uint32_t untilMs) {
  return static_cast<int32_t>(untilMs - platform::timeGetTime()) > 0;
}

}  // namespace

void SetSearchPace(SearchPace pace) {
  Pace = pace;
}

SearchPace CurrentSearchPace() {
  return Pace;
}

BackgroundSearch::BackgroundSearch() {
  Searches().push_back(this);
}

BackgroundSearch::~BackgroundSearch() {
  Stop();
  std::erase(Searches(), this);
}

bool BackgroundSearch::Post(const Position& from, int64_t stateLimit) {
  // Only one side may search at a time: a thread left from another pace goes first.
  if (Pace != SearchPace::OnThread) Stop();
  std::unique_lock<std::mutex> guard(lock_);
  const uint64_t number = ++jobsPosted_;
  current_ = number;
  answer_.reset();
  slicing_ = false;
  switch (Pace) {
    case SearchPace::OnThread:
      waiting_ = Job{from, stateLimit, number};
      guard.unlock();
      jobPosted_.notify_one();
      if (!worker_.joinable()) worker_ = std::thread([this] { Work(); });
      return false;
    case SearchPace::InSlices:
      search_.Start(from, stateLimit);
      slicing_ = true;
      return false;
    case SearchPace::AtOnce:
      answer_ = search_.Solve(from, stateLimit);
      return true;
  }
  return false;
}

bool BackgroundSearch::Searching() const {
  std::lock_guard<std::mutex> guard(lock_);
  return current_ != 0 && !answer_;
}

bool BackgroundSearch::Take(HintResult* answer) {
  std::lock_guard<std::mutex> guard(lock_);
  if (!answer_) return false;
  *answer = std::move(*answer_);
  answer_.reset();
  current_ = 0;
  return true;
}

void BackgroundSearch::Cancel() {
  std::lock_guard<std::mutex> guard(lock_);
  waiting_.reset();
  answer_.reset();
  current_ = 0;
  slicing_ = false;
}

void BackgroundSearch::Stop() {
  Cancel();
  if (!worker_.joinable()) return;
  {
    std::lock_guard<std::mutex> guard(lock_);
    stopping_ = true;
  }
  jobPosted_.notify_one();
  worker_.join();
  stopping_ = false;
}

// The thread: takes each job posted, searches it while it is still wanted, and leaves its
// answer unless a newer job or a cancel came meanwhile.
void BackgroundSearch::Work() {
  std::unique_lock<std::mutex> guard(lock_);
  for (;;) {
    jobPosted_.wait(guard, [this] { return waiting_.has_value() || stopping_; });
    if (stopping_) return;
    const Job job = std::move(*waiting_);
    waiting_.reset();
    guard.unlock();
    search_.Start(job.from, job.stateLimit);
    bool settled = false;
    while (!settled && current_ == job.number && !stopping_)
      settled = search_.Advance(THREAD_STATES_PER_LOOK);
    HintResult result = settled ? search_.TakeResult() : HintResult{};
    guard.lock();
    if (settled && current_ == job.number) answer_ = std::move(result);
  }
}

// One slice of a job searched in slices; true once it has settled.
bool BackgroundSearch::SearchSlice() {
  if (!slicing_) return true;
  if (!search_.Advance(SLICE_STATES_PER_LOOK)) return false;
  std::lock_guard<std::mutex> guard(lock_);
  answer_ = search_.TakeResult();
  slicing_ = false;
  return true;
}

void SearchInSlices(uint32_t untilMs) {
  const uint32_t now = platform::timeGetTime();
  const bool soon = static_cast<int32_t>(untilMs - now) < static_cast<int32_t>(SLICE_MS);
  const uint32_t end = soon ? untilMs : now + SLICE_MS;
  for (BackgroundSearch* search : Searches()) {
    bool settled = false;
    while (!settled && Before(end)) settled = search->SearchSlice();
  }
}

void StopBackgroundSearches() {
  for (BackgroundSearch* search : Searches()) search->Stop();
}

}  // namespace game
