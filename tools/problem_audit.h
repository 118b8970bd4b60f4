#pragma once
// What makes a problem set unplayable or wrong although its check values match, the note a set
// carries about where it came from, and the catalogue as a teacher sees it.
#include <QImage>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <vector>

namespace korven {

// origin.txt in a problem folder: "key=value" lines, e.g. source=made, seed=1, bands=550.
QString originPath(const QString &folder);
void writeOrigin(const QString &folder, const QList<QPair<QString, QString>> &fields);
// Empty when the folder has no readable note.
QMap<QString, QString> readOrigin(const QString &folder);

// The share of a picture's outermost pixels that are not pure white (0 for a sound bitmap).
double frameGreyShare(const QImage &image);

// Faults of a set whose files are in order but that would play wrongly: a folder name outside
// the catalogue, a bitmap over two and a half times the set's median height, a background not pure white, a
// bitmap with more than one chromosome, sex chromosomes that disagree with the name. Each names
// the file and what to do.
QStringList auditProblem(const QString &folder);

// Every fault: checkProblem's and auditProblem's. Empty when the set is sound.
QStringList problemFaults(const QString &folder);

// One catalogue entry as the teacher sees it.
struct ListedProblem {
    int position = 0;  // 1..48 in the catalogue
    QString name;
    QString number;    // "001"... in the problem list, empty when the folder is absent
    bool present = false;
    QString folder;    // where the set was found, empty when absent
    QStringList faults;
    bool female = true;
    QString bands;     // band level of a made set, else empty
};
// The catalogue over the Images folders the trainer reads, the first holding a set winning (the
// user's own before the bundled ones), numbered as the trainer's problem list numbers them.
std::vector<ListedProblem> listProblems(const QStringList &imagesFolders);

// Folders under imagesDir whose names are not catalogue names (KORVEN ignores them).
QStringList strayFolders(const QString &imagesDir);

// How many terminal columns a text takes: East Asian wide and full-width characters take two.
int displayWidth(const QString &text);
// The text followed by blanks up to `width` columns.
QString paddedToWidth(const QString &text, int width);

} // namespace korven
