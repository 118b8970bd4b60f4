#pragma once
// Independent pieces of work shared out over threads.
#include <functional>

namespace korven {

// Runs work(0 .. count-1), each index once, on `threads` threads (0: one per processor core),
// taking the indexes in order. After the first exception no further index is started; that
// exception is thrown again as a KorvenError (its message; a foreign exception's what()).
void runParallel(int count, int threads, const std::function<void(int)> &work);

} // namespace korven
