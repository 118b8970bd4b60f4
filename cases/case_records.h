#pragma once
// The case record file Result/ID/ID.cases: UTF-8, tab-separated, a header line, one line per
// evaluation, ISO dates. Read back for the case list, the "my cases" table and the class overview.
#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
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
    // Written since the teacher's export named them; empty in a record written before.
    QString trueKaryotype;        // the case's karyotype when it was worked
    QString kind;                 // caseKindWord() of the truth
    QStringList elementsWrong;    // the answer's elements graded wrong, missing or extra

    bool countsRight() const;     // every cell counted right
};

// The header line and one record as a line (no line end). Tabs and line ends in the karyotypes
// become blanks, so a record is always one line of thirteen fields. A line of the first ten fields
// alone (written before the last three were added) is read too, with those three empty.
// The case name is written exactly: see caseNameFault for the names that cannot be.
QString caseRecordHeader();
QString caseRecordLine(const CaseRecord &record);
// A line read back; false for the header or a line that is not a record.
bool parseCaseRecordLine(const QString &line, CaseRecord &record);

// Why a case folder's name cannot be a record's key read back as it is (empty, a tab, a line end
// or another control character, text that is not Unicode); empty when it can.
QString caseNameFault(const QString &name);

// The longest record line read, in characters: far beyond any real evaluation (a karyotype of a
// few thousand characters, a hundred cells), small enough that no line can fill the memory.
inline constexpr qsizetype MaxCaseRecordChars = 64 * 1024;

struct CaseRecords {
    std::vector<CaseRecord> records; // in file order
    std::vector<int> badLines;       // line numbers (from 1) that are not records
};
// Reads the file through the guarded text reader with the trial record file's limits; a missing
// file has no records. Lines that are not UTF-8, not records, or longer than MaxCaseRecordChars
// are bad lines. Throws KorvenError naming the file when it cannot be read at all (no regular
// file, too large, too many lines).
CaseRecords readCaseRecords(const QString &path);
// The same over the file's bytes.
CaseRecords parseCaseRecordBytes(const QByteArray &bytes);

// What a reading of the file says of its faults, naming the file and the first bad line; empty
// when every line was read.
QString caseRecordsFault(const QString &path, const CaseRecords &read);

// Appends one record, writing the header first when the file is new or empty; a new file is its
// owner's alone. An append that would take the file past what readCaseRecords reads is refused
// with the message the reader would give, and the file is left as it was; so is a record line
// longer than MaxCaseRecordChars.
void appendCaseRecord(const QString &path, const CaseRecord &record);

// The true karyotype of each case in the folders, by folder name; a case that cannot be read is
// left out.
QMap<QString, QString> caseTruths(const QStringList &casesFolders);
// A record written before the truth and the kind were kept takes them from the case's folder as
// it is now (`truths` from caseTruths); a record that keeps them is left as it is.
void completeRecord(CaseRecord &record, const QMap<QString, QString> &truths);

// RESULT/ID/ID.cases
QString caseRecordPath(const QString &resultFolder, const QString &id);

// What a trainee's records add up to, each case counted by its last evaluation.
struct CaseSummary {
    int casesDone = 0;
    int karyotypesRight = 0;
    int countsRight = 0;
    QMap<QString, QString> lastVerdict; // case name -> verdict of its last evaluation
    QMap<QString, CaseRecord> last;     // case name -> its last evaluation
    // kind of abnormality (caseKindWord) -> (cases right, cases done): the record's own kind, else
    // the one `kindOf` gives
    QMap<QString, std::pair<int, int>> byKind;
};
// `kindOf` gives the kind of a case whose record does not keep it (cases in neither count under "").
CaseSummary summarizeCases(const std::vector<CaseRecord> &records, const QMap<QString, QString> &kindOf = {});

} // namespace korven
