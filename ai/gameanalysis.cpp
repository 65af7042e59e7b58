#include "ai/gameanalysis.h"
#include <algorithm>
#include <cassert>

namespace ai {

GameAnalysis::GameAnalysis(std::vector<rules::Position> positions, int playouts, int threads)
    : positions_(std::move(positions)), playouts_(playouts), judgements_(positions_.size()), done_(positions_.size())
{
    for (int t = std::min(threads, total()); t > 0; --t)
        workers_.emplace_back([this](std::stop_token stop) { work(stop); });
}

void GameAnalysis::work(std::stop_token stop)
{
    for (int k = next_++; k < total(); k = next_++) {
        const std::size_t at = std::size_t(k);
        judgements_[at] = judge(positions_[at], playouts_, seedOf(k), stop);
        if (stop.stop_requested())
            return;
        judged_.fetch_add(1, std::memory_order_release);
        markJudged(k);
    }
}

void GameAnalysis::markJudged(int k)
{
    {
        const std::lock_guard lock(orderLock_);
        done_[std::size_t(k)] = true;
        while (judgedInOrder_ < total() && done_[std::size_t(judgedInOrder_)])
            ++judgedInOrder_;
    }
    judgedInOrderRose_.notify_all();
}

void GameAnalysis::waitFor(int count)
{
    std::unique_lock lock(orderLock_);
    judgedInOrderRose_.wait(lock, [this, count] { return judgedInOrder_ >= count || cancelled_; });
}

void GameAnalysis::wait()
{
    for (std::jthread& worker : workers_)
        if (worker.joinable())
            worker.join();
}

void GameAnalysis::cancel()
{
    workers_.clear(); // a jthread asks its thread to stop and joins it as it goes
    {
        const std::lock_guard lock(orderLock_);
        cancelled_ = true;
    }
    judgedInOrderRose_.notify_all();
}

const std::vector<Judgement>& GameAnalysis::judgements() const
{
    assert(finished());
    return judgements_;
}

} // namespace ai
