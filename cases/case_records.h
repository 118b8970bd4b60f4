#pragma once
// The case record file Result/ID/ID.cases: UTF-8, tab-separated, a header line, one line per
// evaluation, ISO dates. Read back for the case list, the "my cases" table and the class overview.
#include <QDate>
#include <QMap>
#include <QString>
#include <QTime>
#include <vector>

namespace korven {

struct CaseRecord {
    QDate date;
    QTime time;
    QString caseName;
    int seconds = 0;
    std::vector<int> countsGiven; // per cell, -1 where a cell was not counted
    std::vector<int> countsTrue;
    int piecesRight = 0;
    int pieces = 0;
    QString karyotype;            // as given
    QString verdict;              // "right", "near" or "wrong"

    bool countsRight() const;     // every cell counted right
};

// The header line and one record as a line (no line end). Tabs and line ends in the karyotype
// become blanks, so a record is always one line of ten fields.
QString caseRecordHeader();
QString caseRecordLine(const CaseRecord &record);
// A line read back; false for the header or a line that is not a record.
bool parseCaseRecordLine(const QString &line, CaseRecord &record);

struct CaseRecords {
    std::vector<CaseRecord> records; // in file order
    std::vector<int> badLines;       // line numbers (from 1) that are not records
};
// Reads the file; a missing file has no records. Throws KorvenError when it cannot be read.
CaseRecords readCaseRecords(const QString &path);
CaseRecords parseCaseRecords(const QStringList &lines);

// Appends one record, writing the header first when the file is new or empty.
void appendCaseRecord(const QString &path, const CaseRecord &record);

// RESULT/ID/ID.cases
QString caseRecordPath(const QString &resultFolder, const QString &id);

// What a trainee's records add up to, each case counted by its last evaluation.
struct CaseSummary {
    int casesDone = 0;
    int karyotypesRight = 0;
    int countsRight = 0;
    QMap<QString, QString> lastVerdict; // case name -> verdict of its last evaluation
    // kind of abnormality -> (cases right, cases done), for the kinds given
    QMap<QString, std::pair<int, int>> byKind;
};
// `kindOf` gives each case name's kind of abnormality (cases not in it count under "").
CaseSummary summarizeCases(const std::vector<CaseRecord> &records, const QMap<QString, QString> &kindOf = {});

} // namespace korven
