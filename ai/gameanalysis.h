#pragma once
#include "ai/analysis.h"
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace ai {

// Judges every position of a game in the background: worker threads take the positions in turn,
// each judged with its own seed, so that the judgements do not depend on the threads. The
// caller's thread only asks how far they got and takes the judgements at the end.
class GameAnalysis {
public:
    // playouts a position, at least one; threads at least one.
    GameAnalysis(std::vector<rules::Position> positions, int playouts, int threads);
    GameAnalysis(const GameAnalysis&) = delete;
    GameAnalysis& operator=(const GameAnalysis&) = delete;
    // Cancels what is still running.
    ~GameAnalysis() = default;

    int total() const { return int(positions_.size()); }
    int judged() const { return judged_.load(std::memory_order_acquire); }
    bool finished() const { return judged() == total(); }
    int playouts() const { return playouts_; }
    // Returns once every position is judged, unless cancelled.
    void wait();
    // Returns once positions 0 to count - 1 are all judged, unless cancelled.
    void waitFor(int count);
    // Position k's judgement; only once it is judged.
    const Judgement& judgement(int k) const { return judgements_[std::size_t(k)]; }
    // Stops the workers and waits for them: no thread is left, and an analysis not yet finished
    // never will be.
    void cancel();
    // Each position's judgement; only once finished.
    const std::vector<Judgement>& judgements() const;
    const std::vector<rules::Position>& positions() const { return positions_; }

private:
    void work(std::stop_token stop);
    void markJudged(int k);

    std::vector<rules::Position> positions_;
    int playouts_;
    std::vector<Judgement> judgements_; // each written by the one worker that took its position
    std::atomic<int> next_{0};
    std::atomic<int> judged_{0};
    std::mutex orderLock_;   // guards the three below
    std::vector<bool> done_; // by position
    int judgedInOrder_ = 0;  // positions judged from the first without a gap
    bool cancelled_ = false;
    std::condition_variable judgedInOrderRose_;
    std::vector<std::jthread> workers_; // last, so they are stopped and joined first
};

} // namespace ai
