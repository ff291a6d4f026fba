#pragma once

#include <QThread>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

// Runs work(state, i) for every i below count on the processor's cores, each worker taking the
// next few as it comes free, so that no core waits on another's harder share. Each worker makes
// its state first (a capturer, with a font of its own); fewer than least a worker are not worth
// another thread.
template <class MakeState, class Work>
void ParallelFor(size_t count, size_t least, const MakeState& makeState, const Work& work) {
    constexpr size_t Chunk = 16;
    const size_t cores = size_t(std::max(1, QThread::idealThreadCount()));
    const size_t workers = std::min(cores, count / least + 1);
    std::atomic<size_t> next{0};
    const auto run = [&] {
        auto state = makeState();
        for (size_t begin; (begin = next.fetch_add(Chunk)) < count;)
            for (size_t i = begin; i < std::min(count, begin + Chunk); ++i) work(state, i);
    };
    std::vector<std::thread> threads;
    for (size_t w = 1; w < workers; ++w) threads.emplace_back(run);
    run();
    for (std::thread& thread : threads) thread.join();
}
