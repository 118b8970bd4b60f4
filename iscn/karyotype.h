#pragma once
// A written karyotype (ISCN) as a value: read from text, checked, written back in one canonical
// form, and compared with a true karyotype element by element.
//
// The forms read: the count and sex complement (46,XX  45,X  47,XXY), whole-chromosome gains and
// losses (+21  -7), gained markers (+mar), del, dup, inv, t (two chromosomes), i, der(N) followed by
// the rearrangement(s) that made it, der(A;B) and rob(A;B) (read as der(A;B)), a gain of a
// structural chromosome (+i(X)(q10)  +der(22)t(11;22)(q23;q11.2)), a cell count in brackets after
// any line, and lines joined by '/'. Anything else is refused with a message saying that KORVEN
// does not read that form.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace korven::iscn {

// What an abnormality (or one rearrangement of a derivative) is.
enum class Kind {
    Numerical,     // a whole chromosome gained or lost: +21, -7 (chromosomes: {"21"}, no breakpoints)
    Marker,        // a gained marker of unknown origin: +mar (no chromosomes, no breakpoints)
    Deletion,      // del(5)(p14) terminal (one breakpoint), del(5)(q13q33) interstitial (two)
    Duplication,   // dup(1)(q21q32) (two breakpoints)
    Inversion,     // inv(9)(p12q13) pericentric, inv(3)(q21q26.2) paracentric (two breakpoints)
    Translocation, // t(11;22)(q23;q11.2): reciprocal, both derivatives present (two chromosomes,
                   // one breakpoint each, in the same order)
    Isochromosome, // i(X)(q10) (one chromosome, one breakpoint)
    Derivative,    // der(22)t(11;22)(q23;q11.2): one chromosome, no breakpoints of its own, made by
                   // the rearrangements in `derivation`; or der(13;14)(q10;q10) (also written
                   // rob(13;14)(q10;q10)): two chromosomes joined, one breakpoint each
};

// A break in a chromosome arm: p14, q11.2, q10 (p10 and q10 are the centromere).
struct Breakpoint {
    QChar arm;         // 'p' or 'q'
    QString band;      // "14", "11.2", "10": region and band as written, without the arm
    int position = -1; // index of the arm letter in the text read; -1 in a value made by code

    QString text() const { return arm + band; } // "q11.2"
    bool operator==(const Breakpoint &other) const { return arm == other.arm && band == other.band; }
};

// One rearrangement: its kind, the chromosomes it involves ("1".."22", "X", "Y", in the order
// written) and its breakpoints (in the order written; for two chromosomes one each, in the
// chromosomes' order).
struct Rearrangement {
    Kind kind = Kind::Numerical;
    QStringList chromosomes;
    QList<Breakpoint> breakpoints;

    bool operator==(const Rearrangement &other) const
    {
        return kind == other.kind && chromosomes == other.chromosomes && breakpoints == other.breakpoints;
    }
};

// One abnormality of a cell line, as listed between the commas.
struct Abnormality : Rearrangement {
    // +1 written with '+' (a gained chromosome: +21, +mar, +der(22)t(...)), -1 written with '-'
    // (a lost chromosome: -7), 0 for a structural chromosome in place of a normal one (del(5)(p14)).
    int change = 0;
    // For a Derivative of one chromosome, the rearrangements that made it, in the order written:
    // der(22)t(11;22)(q23;q11.2) has chromosomes {"22"} and derivation {t(11;22)(q23;q11.2)}.
    // Empty for every other kind.
    QList<Rearrangement> derivation;
    int position = -1; // index of its first character (the '+' or '-' if any) in the text read
    int length = 0;    // its length in the text read

    bool operator==(const Abnormality &other) const
    {
        return Rearrangement::operator==(other) && change == other.change && derivation == other.derivation;
    }
};

// One line of a karyotype: 46,XY,t(9;22)(q34;q11.2)[20].
struct CellLine {
    int count = 0;                    // the chromosome count stated first
    QString sex;                      // the sex complement as written, only X and Y: "XX", "X", "XXY"
    QList<Abnormality> abnormalities; // in the order written
    int cells = -1;                   // the cell count in brackets, -1 when none is given
    int position = -1;                // index of its first character in the text read
    int length = 0;                   // its length in the text read

    bool operator==(const CellLine &other) const
    {
        return count == other.count && sex == other.sex && abnormalities == other.abnormalities
               && cells == other.cells;
    }
};

// A whole karyotype: one line, or the lines of a mosaic or of clones joined by '/'.
struct Karyotype {
    QList<CellLine> lines;

    bool operator==(const Karyotype &other) const { return lines == other.lines; }
};

// What is wrong with a text, for the trainee. The message is whole and names the place in the
// text (the character number, counted from 1, and the part written there).
struct Fault {
    enum class Type {
        Syntax,        // a character not expected, a bracket not closed, a breakpoint missing
        Unsupported,   // a form KORVEN does not read
        SexComplement, // a letter other than X or Y in the sex complement
        Count,         // the stated count differs from what the rest describes
        Order,         // abnormalities out of order
        Translocation, // inside t(A;B) or der(A;B), the chromosomes or breakpoints out of order
        Band,          // a breakpoint that no band table knows
        Meaning,       // read, but makes no sense: der(5)t(9;22), t(9;9), -del(5)(p14)
    };
    Type type = Type::Syntax;
    int position = -1; // index in the text of the first character at fault; -1 for the whole text
    QString message;   // translated

    // A fault of the written form whose content can still be compared (order, count, bands).
    bool formOnly() const { return type == Type::Order || type == Type::Translocation; }
};

// Reads a karyotype. Returns nothing and sets *fault when the text cannot be read: a syntax fault,
// a form KORVEN does not read, a sex complement with other letters than X and Y, a rearrangement
// that makes no sense. Blanks around the text are ignored, blanks inside it are a fault.
std::optional<Karyotype> parseKaryotype(const QString &text, Fault *fault = nullptr);

// The checks on what was read, in the order of the text: the count of each line against what the
// rest describes, the order of the abnormalities, the order inside t(A;B) and der(A;B), the
// breakpoints against the band tables. Empty when the karyotype is sound. Positions refer to the
// text the value was read from.
QList<Fault> checkKaryotype(const Karyotype &karyotype);

// Reading and checking at once: the value when the text could be read, and every fault.
struct Reading {
    std::optional<Karyotype> karyotype;
    QList<Fault> faults;

    bool valid() const { return karyotype.has_value() && faults.isEmpty(); }
};
Reading readKaryotype(const QString &text);

// The canonical value: sex complement X before Y, inside t(A;B) and der(A;B) the sex chromosome or
// the lower number first with its breakpoint, abnormalities in their order (sex chromosomes, then
// autosomes by number, numerical before structural, markers last). Positions are kept.
Karyotype normalized(const Karyotype &karyotype);

// The karyotype written in ISCN in its canonical form: every accepted text has one writing
// (rob(13;14)(q10;q10) is written der(13;14)(q10;q10)).
QString normalForm(const Karyotype &karyotype);

// One abnormality or rearrangement written in ISCN as it stands (not reordered): "+21",
// "der(22)t(11;22)(q23;q11.2)", "t(11;22)(q23;q11.2)". A derivative's own description.
QString writeAbnormality(const Abnormality &abnormality);
QString writeRearrangement(const Rearrangement &rearrangement);

// How many chromosomes a line describes: 44 autosomes and the sex complement, with each
// abnormality's gain or loss (a structural sex chromosome is listed apart from the complement and
// adds one; a Robertsonian der(A;B) takes two chromosomes' place).
int describedCount(const CellLine &line);

// 0..23 for "1".."22", "X", "Y"; -1 for anything else.
int chromosomeIndex(const QString &name);
bool isSexChromosome(const QString &name);

// ---- Comparing an answer with the truth --------------------------------------------------------

enum class Grade { Right, Near, Wrong, Missing, Extra };
enum class Verdict { Right, Near, Wrong };

// One element of a line (its count, its sex complement, its cell count, each abnormality), graded.
struct GradedElement {
    Grade grade = Grade::Right;
    QString element; // the answer's element in normal form ("47", "XY", "[20]", "del(5)(p14)"); the
                     // truth's for Missing
    QString reason;  // why it is not right, translated; empty when right
    int line = 0;    // index of the cell line (0 for a single line)
};

struct Comparison {
    QList<GradedElement> elements; // line by line: count, sex complement, abnormalities, cell count
    Verdict verdict = Verdict::Right;
    QList<Fault> formFaults; // the answer's faults of form (order); its content is still compared
};

// Compares an answer with the truth at a band level (400, 550 or 850): a breakpoint is near when it
// is the true band's parent or child or its direct neighbour on the same arm at that level. The
// verdict is right when every element is right, near when every element is right or near, wrong
// otherwise. Lines are paired in order; the cell count is compared when either has more than one
// line.
Comparison compareKaryotypes(const Karyotype &answer, const Karyotype &truth, int level);

// "right", "near", "wrong", "missing", "extra"; "right", "near", "wrong": the words scripts read,
// never translated.
QString gradeWord(Grade grade);
QString verdictWord(Verdict verdict);

} // namespace korven::iscn
