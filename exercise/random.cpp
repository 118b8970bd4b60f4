#include "exercise/random.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTime>

namespace korven {

int RandomGenerator::below(int n)
{
    seed_ = seed_ * 134775813u + 1u;
    // The range is taken as an unsigned 32-bit number, as the generator has always done.
    const std::uint64_t product = std::uint64_t(seed_) * std::uint64_t(std::uint32_t(n));
    return int(std::uint32_t(product >> 32));
}

int RandomGenerator::range(int a, int b)
{
    if (b < a)
        return b + below(a - b);
    return a + below(b - a);
}

void RandomGenerator::seedFromTimeOfDay()
{
    const QTime t = QDateTime::currentDateTimeUtc().time();
    seed_ = std::uint32_t(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec());
}

void RandomGenerator::seedFromTickCount()
{
    QElapsedTimer timer;
    timer.start();
    seed_ = std::uint32_t(timer.msecsSinceReference());
}

RandomGenerator &globalRandom()
{
    static RandomGenerator generator;
    return generator;
}

} // namespace korven
