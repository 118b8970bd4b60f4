#pragma once
// A written karyotype (ISCN 2020, unchanged in ISCN 2024 for these forms) as a value: read from
// text, checked, written back in one canonical form, and compared with a true karyotype element
// by element.
//
// The forms read: the count and sex complement (46,XX  45,X  47,XXY  69,XXY  92,XXYY), the prefixes
// mos and chi before lines joined by '/', whole-chromosome gains and losses (+21  -7), gained
// markers (+mar, +mar1), del, dup, inv, add, r (r(13)(p11q34), r(X)), i, idic, dic(A;B), t of two
// or more chromosomes, ins of one or two chromosomes, der(N) followed by the rearrangement(s) that
// made it, der(A;B) and rob(A;B) (read as der(A;B)), a gain of a structural chromosome
// (+i(X)(q10)  +der(22)t(11;22)(q23;q11.2)), heteromorphisms (9qh+  1qh-  15ps+  21pstk+), a cell
// count in brackets after any line. Anything else is refused with a message saying that KORVEN
// does not read that form.
#include "iscn/chromosome.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace korven::iscn {

// What an abnormality (or one rearrangement of a derivative) is. Each kind has one shape (how
// many chromosomes, how many breakpoints on each, whether a sign may stand before it), kept by
// the reader and by `shapeOf` below; a value made in code is checked against it by `wellFormed`.
enum class Kind {
    Numerical,      // a whole chromosome gained or lost: +21, -7 (chromosomes: {"21"}, no breakpoints)
    Marker,         // a gained marker of unknown origin: +mar, +mar1 (no chromosomes, no breakpoints)
    Deletion,       // del(5)(p14) terminal (one breakpoint), del(5)(q13q33) interstitial (two)
    Duplication,    // dup(1)(q21q32) (two breakpoints; q32q21 is an inverted duplication)
    Inversion,      // inv(9)(p12q13) pericentric, inv(3)(q21q26.2) paracentric (two breakpoints)
    Translocation,  // t(11;22)(q23;q11.2), t(2;5;7)(p21;q23;q22): two or more chromosomes, one
                    // breakpoint each, in the same order; every derivative present
    Isochromosome,  // i(X)(q10) (one chromosome, one breakpoint)
    Derivative,     // der(22)t(11;22)(q23;q11.2): one chromosome, no breakpoints of its own, made by
                    // the rearrangements in `derivation`; or der(13;14)(q10;q10) (also written
                    // rob(13;14)(q10;q10)): two chromosomes joined, one breakpoint each
    Ring,           // r(13)(p11q34) (two breakpoints), r(X) (none: breakpoints not known)
    Dicentric,      // dic(13;15)(p11.2;p11.2): two chromosomes, one breakpoint each
    Isodicentric,   // idic(Y)(q11.2): one chromosome, one breakpoint
    Insertion,      // ins(5;2)(p14;q22q32): the receiving chromosome's breakpoint, then the two
                    // ends of the inserted segment; ins(2)(p13q21q31): all three on one chromosome
    Addition,       // add(7)(q22): material of unknown origin at one breakpoint
    Heteromorphism, // 9qh+, 1qh-, 15ps+, 21pstk+: one chromosome, its `variant`, no breakpoints
};

// A break in a chromosome arm: p14, q11.2, q10 (p10 and q10 are the centromere).
struct Breakpoint {
    QChar arm;         // 'p' or 'q'
    QString band;      // "14", "11.2", "10": region and band as written, without the arm
    int position = -1; // index of the arm letter in the text read; -1 in a value made by code

    QString text() const { return arm + band; } // "q11.2"
    bool operator==(const Breakpoint &other) const { return arm == other.arm && band == other.band; }
};

// A heteromorphism: the arm, the variable region ("h" heterochromatin, "s" satellite, "stk"
// stalk) and whether it is larger (+) or smaller (-) than usual.
struct Variant {
    QChar arm;
    QString region;
    bool larger = true;

    QString text() const { return arm + region + (larger ? QLatin1Char('+') : QLatin1Char('-')); } // "qh+"
    bool operator==(const Variant &other) const
    {
        return arm == other.arm && region == other.region && larger == other.larger;
    }
};

// One rearrangement: its kind, the chromosomes it involves ("1".."22", "X", "Y", in the order
// written) and its breakpoints (in the order written; for several chromosomes one each in the
// chromosomes' order, except the inserted segment's two ends of an insertion).
struct Rearrangement {
    Kind kind = Kind::Numerical;
    QStringList chromosomes;
    QList<Breakpoint> breakpoints;
    Variant variant; // Heteromorphism only

    bool operator==(const Rearrangement &other) const
    {
        return kind == other.kind && chromosomes == other.chromosomes && breakpoints == other.breakpoints
               && (kind != Kind::Heteromorphism || variant == other.variant);
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
    int marker = 0;    // a numbered marker's number (+mar2 is 2); 0 for +mar and every other kind
    int position = -1; // index of its first character (the '+' or '-' if any) in the text read
    int length = 0;    // its length in the text read

    bool operator==(const Abnormality &other) const
    {
        return Rearrangement::operator==(other) && change == other.change && derivation == other.derivation
               && marker == other.marker;
    }
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
        Breakpoints,   // two breakpoints on one chromosome not written from pter to qter
        CellCount,     // a line of a mosaic, chimera or clone without its cell count
        OldWriting,    // an older writing read for its meaning: 21+ for +21
    };
    Type type = Type::Syntax;
    int position = -1; // index in the text of the first character at fault; -1 for the whole text
    QString message;   // translated

    // A fault of the written form whose content can still be compared (order, count, bands).
    bool formOnly() const
    {
        return type == Type::Order || type == Type::Translocation || type == Type::Breakpoints
               || type == Type::CellCount || type == Type::OldWriting;
    }
};

// How the text was typed, as against what it says: full-width characters, a minus sign or dash
// for '-', blanks inside the karyotype. Read as their ASCII characters; never a fault.
struct TypingNote {
    int position = -1; // the first such character
    QString message;   // translated
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

// What a karyotype of several lines says of their origin: nothing (clones of a neoplasm, or a
// mosaic left unnamed), "mos" (lines of one zygote) or "chi" (lines of several zygotes).
enum class Origin { Unstated, Mosaic, Chimera };

// A whole karyotype: one line, or the lines of a mosaic, a chimera or of clones joined by '/'.
struct Karyotype {
    Origin origin = Origin::Unstated;
    QList<CellLine> lines;
    // Faults of the writing the reader passed over, the meaning being plain (21+ for +21); not
    // part of the value.
    QList<Fault> writtenFaults;

    bool operator==(const Karyotype &other) const { return origin == other.origin && lines == other.lines; }
};

// The shape of a kind: how many chromosomes it names (least, most) and how many breakpoints it
// may carry for that many; whether it is written with '+' or '-' or in place.
struct Shape {
    int leastChromosomes = 1;
    int mostChromosomes = 1;
    bool mayGain = true; // +i(X)(q10), +der(22)t(...), +r(13)...
    bool mayLose = false;
};
Shape shapeOf(Kind kind);

// The breakpoint counts a rearrangement of `kind` with `chromosomes` chromosomes may have
// (ascending): del {1, 2}, r {0, 2}, t of three {3}, ins of two {3}.
QList<int> breakpointCounts(Kind kind, int chromosomes);

// True when a value made in code has the shape of its kind (the reader only makes such values).
bool wellFormed(const Abnormality &abnormality);

// Reads a karyotype. Returns nothing and sets *fault when the text cannot be read: a syntax fault,
// a form KORVEN does not read, a sex complement with other letters than X and Y, a rearrangement
// that makes no sense. Full-width characters, minus signs and dashes are read as their ASCII
// characters and blanks are passed over, each kind noted once in *notes.
std::optional<Karyotype> parseKaryotype(const QString &text, Fault *fault = nullptr,
                                        QList<TypingNote> *notes = nullptr);

// The checks on what was read, in the order of the text: the count of each line against what the
// rest describes, the order of the abnormalities, the order inside t(A;B) and der(A;B), the
// breakpoints against the band tables. Empty when the karyotype is sound. Positions refer to the
// text the value was read from.
QList<Fault> checkKaryotype(const Karyotype &karyotype);

// Reading and checking at once: the value when the text could be read, and every fault.
struct Reading {
    std::optional<Karyotype> karyotype;
    QList<Fault> faults;
    QList<TypingNote> notes; // how it was typed; not faults

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

// The set of autosomes a stated count is written against: 1 up to 34 chromosomes (near-haploid),
// 2 from 35 to 57, 3 from 58 to 80 (69,XXY is triploid), 4 from 81 to 103.
int ploidy(int count);

// How many chromosomes a line describes: the autosomes of its ploidy (44 for a diploid line) and
// the sex complement, with each abnormality's gain or loss (a structural sex chromosome is listed
// apart from the complement and adds one; a Robertsonian der(A;B) takes two chromosomes' place;
// a lost sex chromosome, as in 45,X,-Y, is already missing from the complement).
int describedCount(const CellLine &line);

// ---- Comparing an answer with the truth --------------------------------------------------------

enum class Grade { Right, Near, Wrong, Missing, Extra };
enum class Verdict { Right, Near, Wrong };

// What the examiner found in one element; the table in karyotype_compare.cpp gives each its grade.
enum class Finding {
    Same,             // as the truth
    SubBand,          // a breakpoint names a sub-band of the true band: more precise, right
    ParentBand,       // a breakpoint names the band that holds the true band
    SameLevelBand,    // a breakpoint names another part of the band the case's level shows
    NeighbourBand,    // one breakpoint at the true band's direct neighbour at the case's level
    TwoNeighbours,    // two or more breakpoints each at a neighbour
    DistantBand,      // a breakpoint two or more bands off, or on a band merely holding the neighbour
    OtherArm,         // a breakpoint on the other arm
    OtherContent,     // another count, sex complement, kind, sign or chromosome
    NotInAnswer,      // the truth's element (or line) is not in the answer
    NotInTruth,       // the answer's element (or line) is not in the truth
    CellCountMissing, // the truth gives the line's cell count, the answer does not
    CellCountDiffers, // the cell counts contradict each other
    OtherOrigin,      // mos where the truth has chi, or the reverse
    OriginMissing,    // the truth names the lines' origin (mos, chi), the answer does not
};

// The grade the examiner's table gives a finding.
Grade gradeOf(Finding finding);

// One element of a line (its count, its sex complement, its cell count, each abnormality), graded.
struct GradedElement {
    Grade grade = Grade::Right;
    Finding finding = Finding::Same;
    QString element; // the answer's element in normal form ("47", "XY", "[20]", "del(5)(p14)"); the
                     // truth's for Missing
    QString reason;  // why it is not right, translated; empty when right
    int line = 0;    // index of the truth's cell line it is compared with (extra lines after them)
};

struct Comparison {
    QList<GradedElement> elements; // line by line: count, sex complement, abnormalities, cell count
    Verdict verdict = Verdict::Right;
    // The answer's faults of form (order, older writings, +X for XXY, missing cell counts...): its
    // content is still compared, and any of them makes a right answer near.
    QList<Fault> formFaults;
    QList<TypingNote> notes; // how the answer was typed; never lowers the verdict
};

// Compares an answer with the truth at a band level (400, 550 or 850) as an examiner grades: every
// element right is right; content right with a fault of form, a breakpoint at the true band's
// parent or one breakpoint at its direct neighbour is near; anything else is wrong. The lines of a
// mosaic or of clones are paired by content, then their order and cell counts graded. A gained sex
// chromosome written +X and losses written beside a gained structural chromosome
// (-13,-14,+der(13;14)(q10;q10)) are compared for their meaning and reported as faults of form.
Comparison compareKaryotypes(const Karyotype &answer, const Karyotype &truth, int level);

// Reads both texts and compares them; the truth's own faults other than form are not the
// trainee's and leave it compared as read. Nothing when either cannot be read (*fault says why:
// for the truth, a message saying so).
struct Grading {
    std::optional<Comparison> comparison;
    Fault fault; // why there is no comparison
    bool truthUnreadable = false;
};
Grading gradeAnswer(const QString &answer, const QString &truth, int level);

// "right", "near", "wrong", "missing", "extra"; "right", "near", "wrong": the words scripts read,
// never translated.
QString gradeWord(Grade grade);
QString verdictWord(Verdict verdict);

} // namespace korven::iscn
