#include "tools/parallel_work.h"

#include "files/errors.h"

#include <QString>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace korven {

void runParallel(int count, int threads, const std::function<void(int)> &work)
{
    threads = threads > 0 ? threads : int(std::thread::hardware_concurrency());
    threads = std::clamp(threads, 1, std::max(1, count));
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    std::mutex mutex;
    QString error;
    const auto run = [&] {
        for (int i = next++; i < count && !failed; i = next++) {
            try {
                work(i);
            } catch (const KorvenError &e) {
                std::lock_guard lock(mutex);
                if (!failed.exchange(true))
                    error = e.message();
            } catch (const std::exception &e) {
                std::lock_guard lock(mutex);
                if (!failed.exchange(true))
                    error = QString::fromLocal8Bit(e.what());
            }
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(run);
    run();
    for (auto &thread : pool)
        thread.join();
    if (failed)
        throw KorvenError(error);
}

} // namespace korven
