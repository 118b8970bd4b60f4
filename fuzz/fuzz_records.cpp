// The trial record file: the statistics and the record counts over arbitrary contents, and an
// append to such a file, after which the new record is the last line and carries its number.
#include "analysis/trial_statistics.h"
#include "files/comma_text.h"
#include "files/errors.h"
#include "files/text_file.h"
#include "users/trial_records.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <unistd.h>

namespace {

QString scratchFile()
{
    // A memory-backed folder where there is one: every append is flushed to disk.
    const QString folder = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static const QString path = folder + QStringLiteral("/korven-fuzz-records-%1.kek").arg(::getpid());
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = korven::splitTextLines(bytes);
    const auto problemName = [](int problem) {
        return problem % 2 ? QStringLiteral("正常女性染色体核型no10") : QStringLiteral("正常男性染色体核型no7");
    };
    try {
        (void)korven::evaluateTrialRecords(lines, QStringLiteral("2026/12/10"), problemName, QStringLiteral("fuzz.kek"));
    } catch (const korven::KorvenError &) {
    }
    const korven::TrialCounts counts = korven::countTrialRecords(lines, QStringLiteral("2026/12/10"));
    if (counts.records != std::max<qsizetype>(0, lines.size() - 1))
        std::abort();

    const QString path = scratchFile();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return 0;
    file.close();
    std::array<int, 46> results;
    results.fill(1);
    const korven::TrialRecord record = korven::appendTrialRecord(path, results, QStringLiteral("001"), 5);
    const QStringList after = korven::readTextLines(path, korven::RecordFileLimits);
    if (after.isEmpty() || korven::splitCommaText(after.last()).size() != 50
        || record.trialNumber != after.size() - 2)
        std::abort();
    QFile::remove(path);
    return 0;
}
