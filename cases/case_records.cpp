#include "cases/case_records.h"

#include "cases/case_folder.h"
#include "cases/case_grading.h"

#include "exercise/errors.h"
#include "files/case_file.h"
#include "files/file_errors.h"
#include "files/text_file.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace korven {

namespace {

constexpr int OldFieldCount = 10; // before the truth, the kind and the wrong elements
constexpr int FieldCount = 13;

QString countsText(const std::vector<int> &counts)
{
    QStringList parts;
    for (int c : counts)
        parts << (c < 0 ? QStringLiteral("-") : QString::number(c));
    return parts.join(u' ');
}

bool parseCounts(const QString &text, std::vector<int> &counts)
{
    counts.clear();
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() > MaxCaseCells)
        return false;
    for (const QString &p : parts) {
        if (p == u"-") {
            counts.push_back(-1);
            continue;
        }
        bool ok = false;
        const int n = p.toInt(&ok);
        if (!ok || n < 0)
            return false;
        counts.push_back(n);
    }
    return !counts.empty();
}

QString oneLine(QString text)
{
    for (QChar &c : text)
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    return text.trimmed();
}

// The header of a file begun before the last three fields were added.
const QString OldHeader = QStringLiteral(
    "date\ttime\tcase\tseconds\tcounts given\tcounts true\tpieces right\tpieces\tkaryotype\tverdict");

bool isHeader(const QString &line) { return line == caseRecordHeader() || line == OldHeader; }

} // namespace

bool CaseRecord::countsRight() const
{
    if (countsGiven.size() != countsTrue.size())
        return false;
    for (size_t i = 0; i < countsGiven.size(); ++i)
        if (countsGiven[i] != countsTrue[i])
            return false;
    return true;
}

QString caseRecordHeader()
{
    return QStringLiteral("date\ttime\tcase\tseconds\tcounts given\tcounts true\tpieces right\tpieces\tkaryotype\tverdict"
                          "\ttrue karyotype\tkind\telements wrong");
}

QString caseRecordLine(const CaseRecord &r)
{
    return QStringList{r.date.toString(Qt::ISODate),
                       r.time.toString(QStringLiteral("HH:mm:ss")),
                       r.caseName,
                       QString::number(r.seconds),
                       countsText(r.countsGiven),
                       countsText(r.countsTrue),
                       QString::number(r.piecesRight),
                       QString::number(r.pieces),
                       oneLine(r.karyotype),
                       oneLine(r.verdict),
                       oneLine(r.trueKaryotype),
                       oneLine(r.kind),
                       oneLine(r.elementsWrong.join(u' '))}
        .join(u'\t');
}

bool parseCaseRecordLine(const QString &line, CaseRecord &r)
{
    if (line.size() > MaxCaseRecordChars)
        return false;
    const QStringList f = line.split(u'\t');
    if (f.size() != FieldCount && f.size() != OldFieldCount)
        return false;
    r = CaseRecord();
    r.date = QDate::fromString(f[0], Qt::ISODate);
    r.time = QTime::fromString(f[1], QStringLiteral("HH:mm:ss"));
    r.caseName = f[2];
    bool ok[4] = {};
    r.seconds = f[3].toInt(&ok[0]);
    r.piecesRight = f[6].toInt(&ok[1]);
    r.pieces = f[7].toInt(&ok[2]);
    r.karyotype = f[8];
    r.verdict = f[9];
    if (f.size() == FieldCount) {
        r.trueKaryotype = f[10];
        r.kind = f[11];
        r.elementsWrong = f[12].split(u' ', Qt::SkipEmptyParts);
    }
    ok[3] = r.verdict == u"right" || r.verdict == u"near" || r.verdict == u"wrong";
    return r.date.isValid() && r.time.isValid() && !r.caseName.isEmpty() && ok[0] && ok[1] && ok[2] && ok[3]
           && r.seconds >= 0 && r.piecesRight >= 0 && r.pieces >= r.piecesRight
           && parseCounts(f[4], r.countsGiven) && parseCounts(f[5], r.countsTrue);
}

QString caseNameFault(const QString &name)
{
    if (name.isEmpty())
        return QCoreApplication::translate("CaseRecords", "the folder has no name");
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate() || c == QChar::ReplacementCharacter)
            return QCoreApplication::translate("CaseRecords", "the folder's name is not Unicode text");
        if (c.category() == QChar::Other_Control)
            return QCoreApplication::translate("CaseRecords", "the folder's name holds a tab, a line end or another control character");
    }
    return {};
}

CaseRecords parseCaseRecordBytes(const QByteArray &bytes)
{
    // Line by line over the bytes, as splitDecodedLines splits: a line that is not UTF-8 (a binary
    // file, a torn character) is a bad line rather than a record read with stand-in characters.
    CaseRecords out;
    const char *data = bytes.constData();
    const qsizetype end = bytes.size();
    qsizetype start = 0;
    int number = 0;
    while (start < end) {
        qsizetype pos = start;
        while (pos < end && data[pos] != '\r' && data[pos] != '\n')
            ++pos;
        ++number;
        const QByteArrayView line(data + start, pos - start);
        if (pos < end && data[pos] == '\r')
            ++pos;
        if (pos < end && data[pos] == '\n')
            ++pos;
        start = pos;
        if (line.size() > MaxCaseRecordChars * 4 || !line.isValidUtf8()) {
            out.badLines.push_back(number);
            continue;
        }
        const QString text = QString::fromUtf8(line);
        if (text.trimmed().isEmpty() || (number == 1 && isHeader(text)))
            continue;
        CaseRecord r;
        if (parseCaseRecordLine(text, r))
            out.records.push_back(std::move(r));
        else
            out.badLines.push_back(number);
    }
    return out;
}

CaseRecords readCaseRecords(const QString &path)
{
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return {};
    // Lines are counted before any is split off, so a file of bare line ends is refused quickly.
    return parseCaseRecordBytes(readTextFile(path, RecordFileLimits));
}

QString caseRecordsFault(const QString &path, const CaseRecords &read)
{
    if (read.badLines.empty())
        return {};
    QString text = QCoreApplication::translate("CaseRecords", "%1, line %2: not a case record.")
                       .arg(QDir::toNativeSeparators(path)).arg(read.badLines.front());
    const int more = int(read.badLines.size()) - 1;
    if (more > 0)
        text += u' ' + QCoreApplication::translate("CaseRecords", "%n more damaged line(s) left out.", nullptr, more);
    return text;
}

void appendCaseRecord(const QString &path, const CaseRecord &record)
{
    // A line the reader would leave out is never written: the evaluation would vanish unseen.
    const QString recordLine = caseRecordLine(record);
    if (recordLine.size() > MaxCaseRecordChars)
        throw KorvenError(QCoreApplication::translate("CaseRecords", "%1: the record is longer than %2 characters, more than is read back.")
                              .arg(QDir::toNativeSeparators(path)).arg(MaxCaseRecordChars));
    const QString line = recordLine + QStringLiteral("\r\n");
    const bool exists = QFileInfo::exists(path) || QFileInfo(path).isSymLink();
    const LineCount existing = exists ? countTextLines(path, RecordFileLimits.maxBytes) : LineCount{};
    if (!exists || existing.bytes == 0) {
        const QByteArray bytes = (caseRecordHeader() + QStringLiteral("\r\n") + line).toUtf8();
        checkReadLimits(path, bytes.size(), 2, RecordFileLimits);
        makeFolders(QFileInfo(path).absolutePath());
        writeFileAtomically(path, bytes, FileAccess::OwnerOnly);
        return;
    }
    // A last line without its line end (an outside edit) would glue the record to it.
    const QString glue = existing.endsWithLineEnd ? QString() : QStringLiteral("\r\n");
    const QByteArray bytes = (glue + line).toUtf8();
    // Never grow the file past what the reader takes in: every case would vanish from the list.
    checkReadLimits(path, existing.bytes + bytes.size(), existing.lines + 1, RecordFileLimits);
    appendToFile(path, bytes);
}

QMap<QString, QString> caseTruths(const QStringList &casesFolders)
{
    QMap<QString, QString> truths;
    for (const CaseEntry &entry : listCases(casesFolders)) {
        try {
            truths.insert(entry.name, readCaseFolder(entry.path).karyotype);
        } catch (const KorvenError &) {
        }
    }
    return truths;
}

void completeRecord(CaseRecord &record, const QMap<QString, QString> &truths)
{
    if (record.trueKaryotype.isEmpty())
        record.trueKaryotype = truths.value(record.caseName);
    if (record.kind.isEmpty() && !record.trueKaryotype.isEmpty())
        record.kind = caseKindWord(caseKind(record.trueKaryotype));
}

QString caseRecordPath(const QString &resultFolder, const QString &id)
{
    return QDir(resultFolder).filePath(id + QLatin1Char('/') + id + QStringLiteral(".cases"));
}

CaseSummary summarizeCases(const std::vector<CaseRecord> &records, const QMap<QString, QString> &kindOf)
{
    QMap<QString, const CaseRecord *> last;
    for (const CaseRecord &r : records)
        last[r.caseName] = &r;
    CaseSummary s;
    for (auto it = last.cbegin(); it != last.cend(); ++it) {
        const CaseRecord &r = *it.value();
        const bool right = r.verdict == u"right";
        ++s.casesDone;
        s.karyotypesRight += right ? 1 : 0;
        s.countsRight += r.countsRight() ? 1 : 0;
        s.lastVerdict.insert(it.key(), r.verdict);
        s.last.insert(it.key(), r);
        auto &kind = s.byKind[r.kind.isEmpty() ? kindOf.value(it.key()) : r.kind];
        kind.first += right ? 1 : 0;
        ++kind.second;
    }
    return s;
}

} // namespace korven
