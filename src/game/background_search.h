// One search of the solver beside the frames: a job with a position and a state limit, searched
// on a thread, in slices while the frame thread waits, or at once, and an answer the frame
// thread takes without waiting. The hint, the shortest clears of a stage file and the cellar
// editor each keep one.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

#include "game/data_model.h"
#include "game/solver.h"

namespace game {

// How the background searches run, chosen once at start-up before any job is posted.
enum class SearchPace {
  AtOnce,    // a job is searched to its end when it is posted, so that every run repeats
  InSlices,  // a few milliseconds at a time while the frame thread waits: no other thread
  OnThread,  // on a thread of the search's own
};
void SetSearchPace(SearchPace pace);
SearchPace CurrentSearchPace();

// One job at a time: posting a job drops the one before, whether still searching or settled
// and not yet taken. Every call but the worker's own is the frame thread's.
class BackgroundSearch {
 public:
  BackgroundSearch();
  ~BackgroundSearch();  // Stop
  BackgroundSearch(const BackgroundSearch&) = delete;
  BackgroundSearch& operator=(const BackgroundSearch&) = delete;

  // Starts searching for a shortest way to clear the stage from a position (copied); gives up
  // as undecided once stateLimit positions are known. True when the answer has settled on
  // return (searched at once).
  bool Post(const Position& from, int64_t stateLimit);

  // True from Post until the job's answer has settled; false once it has, or without a job.
  bool Searching() const;

  // Takes the settled answer of the job posted last (once): Found with the way and the
  // states explored, Lost, or Undecided at the state limit. False while the job is still
  // searching, and when there is no job.
  bool Take(HintResult* answer);

  // Drops the job and any answer not taken.
  void Cancel();

  // Cancels, and joins the thread once it has left the search (within about a thousand
  // positions): at the program's end.
  void Stop();

 private:
  friend void SearchInSlices(uint32_t untilMs);

  struct Job {
    Position from;
    int64_t stateLimit;
    uint64_t number;
  };

  void Work();
  bool SearchSlice();

  // Guards the job waiting for the thread, the answer and which job is current.
  mutable std::mutex lock_;
  std::condition_variable jobPosted_;
  std::optional<Job> waiting_;         // posted, not yet picked up by the thread
  std::optional<HintResult> answer_;   // settled, not yet taken
  std::atomic<uint64_t> current_ = 0;  // the number of the job still wanted, 0 for none
  uint64_t jobsPosted_ = 0;            // numbers the jobs, never twice (frame only)
  bool slicing_ = false;               // a job searched in slices has not settled (frame only)

  BestFirstSearch search_;              // the thread's while it runs, otherwise the frame thread's
  std::thread worker_;                  // started with the first job on a thread, joined by Stop
  std::atomic<bool> stopping_ = false;  // set by Stop (under lock_) for the thread to leave
};

// Advances the searches that run in slices until the clock reads untilMs or a few
// milliseconds have passed, whichever comes first (the frame thread's idle work).
void SearchInSlices(uint32_t untilMs);

// Stops every background search: at the program's end.
void StopBackgroundSearches();

}  // namespace game
