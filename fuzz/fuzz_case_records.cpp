// The case record file over arbitrary contents: reading may not crash and keeps every record
// within its limits; an append to such a file adds exactly one record, read back as written
// (its case name to the last blank).
#include "cases/case_records.h"
#include "exercise/errors.h"
#include "files/case_file.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <unistd.h>

namespace {

QString scratchFile()
{
    // A memory-backed folder where there is one: every append is flushed to disk.
    const QString folder = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static const QString path = folder + QStringLiteral("/korven-fuzz-cases-%1.cases").arg(::getpid());
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const korven::CaseRecords before = korven::parseCaseRecordBytes(bytes);
    for (const korven::CaseRecord &r : before.records) {
        if (r.countsGiven.size() > size_t(korven::MaxCaseCells) || r.countsTrue.size() > size_t(korven::MaxCaseCells)
            || r.caseName.isEmpty())
            std::abort();
    }

    const QString path = scratchFile();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return 0;
    file.close();
    korven::CaseRecord record;
    record.date = QDate(2026, 12, 11);
    record.time = QTime(7, 5, 0);
    record.caseName = QStringLiteral(" case 7 ");
    record.seconds = 90;
    record.countsGiven = {46, -1};
    record.countsTrue = {46, 47};
    record.piecesRight = 40;
    record.pieces = 46;
    record.karyotype = QStringLiteral("47,XY,+21");
    record.verdict = QStringLiteral("right");
    korven::appendCaseRecord(path, record);
    const korven::CaseRecords after = korven::readCaseRecords(path);
    if (after.records.size() != before.records.size() + 1 || after.records.back().caseName != record.caseName
        || after.records.back().countsGiven != record.countsGiven || after.badLines.size() != before.badLines.size())
        std::abort();
    QFile::remove(path);
    return 0;
}
