// The class overview's reading of a trainee's record file: the tolerant reading, the row made
// from it and the long-form CSV lines, over arbitrary contents.
#include "classroom/class_csv.h"
#include "classroom/trainee_summary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QDate today(2024, 5, 2);
    const korven::RecordFileReading reading = korven::readRecordBytes(bytes, today);
    const korven::TraineeSummary row = korven::summarise(QStringLiteral("t"), QStringLiteral("t.kek"), reading, today);
    if ((reading.state == korven::RecordState::Damaged) != !reading.faults.empty())
        std::abort();
    if (row.trials != (reading.stats ? reading.stats->recordCount : 0) || size_t(row.trials) != reading.records.size())
        std::abort();
    const QByteArray csv = korven::traineeTrialsCsv(QStringLiteral("t"), bytes, today);
    if (csv.count("\r\n") != row.trials)
        std::abort();
    return 0;
}
