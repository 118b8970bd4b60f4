#pragma once
// Where each chromosome of a case belongs in the karyogram, and the grading of the pieces and the
// counts. The karyogram has a group for each of 1..22, X and Y, and a marker place after Y.
#include "iscn/chromosome.h"
#include "iscn/karyotype.h"

#include <QColor>
#include <QString>
#include <vector>

namespace korven {

inline constexpr int GroupX = iscn::ChromosomeX;
inline constexpr int GroupY = iscn::ChromosomeY;
inline constexpr int GroupMarker = iscn::MarkerPlace;
inline constexpr int GroupCount = iscn::KaryogramPlaces;
inline constexpr int InSpread = -1; // a piece not put into any group

// The group of chromosome "1".."22", "X", "Y" (-1 for anything else).
int groupOfChromosome(const QString &chromosome);
// The caption of a group: "1".."22", "X", "Y", and "mar" for the marker place.
QString groupCaption(int group);
// The groups in the karyogram's four rows, top to bottom.
std::vector<std::vector<int>> karyogramRows();

// The groups a piece of the given designation belongs in: the group of the chromosome that gives
// its centromere ("der(22)t(11;22)(q23;q11.2)" in 22, "i(X)(q10)" in X, "del(5)(p14)" in 5); a
// Robertsonian "der(13;14)(q10;q10)" or "rob(13;14)(q10;q10)" in 13 or 14; "mar" in the marker
// place; a heteromorphism "9qh+" in 9. Empty when the designation names no chromosome.
std::vector<int> homeGroups(const QString &identity);

// Whether a designation is a changed chromosome (anything but a plain "1".."22", "X", "Y"); the
// answer labels these.
bool isRearranged(const QString &identity);

enum class PieceGrade { Right, Turned, WrongGroup, NotPlaced };

// A piece of `identity` lying in `group` (InSpread when in no group), turned `step` of `steps`:
// right when the group is one of its home groups and the turn is upright as the exercise accepts
// it (a ring in any turn), turned too far in a home group, else wrong (or not placed when still
// in the spread).
PieceGrade gradePiece(const QString &identity, int group, int step, int steps);

// The turn a piece takes when it is put down: upright when within 45 degrees of upright, else
// as it was.
int settledTurn(int step, int steps);
// Half a turn on: the piece upside down.
int turnedOver(int step, int steps);

// The grading colours of the exercise (right, turned too far, wrong or not placed).
QColor pieceGradeColour(PieceGrade grade);

// The kind of abnormality of a case, from its true karyotype, for the teacher's view of who misses
// what. Unknown when the karyotype cannot be read.
enum class CaseKind { Normal, Numerical, Balanced, Unbalanced, Mosaic, Neoplastic, Variant, Unknown };
CaseKind caseKind(const QString &truth);
// The word the record file and the export keep: "normal", "numerical", "structural balanced",
// "structural unbalanced", "mosaic", "neoplastic", "variant"; empty for Unknown. Never translated.
QString caseKindWord(CaseKind kind);
CaseKind caseKindFromWord(const QString &word);
// The kind's name for a person, in the interface's language ("unknown" for Unknown).
QString caseKindText(CaseKind kind);

// A case's whole result: the worst of its counts (right or wrong), its pieces (right when every
// piece is) and its karyotype's verdict.
iscn::Verdict worstOf(bool countsRight, bool piecesRight, iscn::Verdict karyotype);
// A verdict word of the record file ("right", "near", "wrong").
std::optional<iscn::Verdict> verdictFromWord(const QString &word);

struct CellCount {
    int given = -1; // -1: not counted
    int truth = 0;
    bool right() const { return given == truth; }
};

} // namespace korven
