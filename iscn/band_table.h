#pragma once
// The band names of the human G-band ideogram tables (400, 550 and 850 bands), built into the
// library, for checking breakpoints and measuring how far apart two of them lie.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace korven::iscn {

// One band of a tab-separated ideogram table (chromosome, arm, band, iscn_start, iscn_stop,
// bp_start, bp_stop, stain), with its line number (from 1).
struct TableBand {
    int line = 0;
    int chromosome = 0; // 0..23
    QChar arm;          // 'p' or 'q'
    QString name;       // "36.3"
    double start = 0;   // ISCN units
    double stop = 0;
    double bpStart = 0; // base pairs; 0 when the table gives none readable
    double bpStop = 0;
    QString stain;      // "gneg", "gpos25", "gpos50", "gpos75", "gpos100", "gvar", "acen", "stalk"
};

// The stain names a table may use, lightest first as the Stain enumerations list them.
const QStringList &stainNames();

// Reads a table: '#' lines and blank lines are skipped, the first other line is the column
// header, then one band a line; lines may end in CR LF or LF. A line that is not a band (too few
// fields, an unknown chromosome, arm or stain, no valid start and stop) stops the reading: nothing
// is returned and *fault says which line and why ("line 95: unknown stain \"gpos60\"").
std::optional<QList<TableBand>> readBandTable(const QString &text, QString *fault = nullptr);

// The bands of the table built into the library for a band level (400, 550, 850), read once;
// empty for another level.
const QList<TableBand> &builtInBands(int level);

// The bands of one arm at one level, from the centromere outwards ("11.1", "11.2", "12", ...).
using ArmBands = QStringList;

// Where a band lies on an arm at one level: the first and last index in the arm's list that it
// covers (one index for a band of that level, several for a parent, the parent's index for a
// finer band). The centromere (band "10") lies just inside the arm, at -1.
struct BandSpan {
    int first = 0;
    int last = 0;
};

class BandTable {
public:
    // The tables built into the library, read once.
    static const BandTable &builtIn();

    // The band names of tables of several levels; a table without a band for every arm leaves
    // that arm empty.
    static BandTable fromTables(const QList<QPair<int, QList<TableBand>>> &levels);

    const QList<int> &levels() const { return levels_; }

    // chromosome 0..23 (22 = X, 23 = Y), arm 'p' or 'q'; empty for an unknown level.
    ArmBands bands(int chromosome, QChar arm, int level) const;

    // True when some level has the band, or the band is a parent of bands some level has
    // ("11.2" of "11.21"), or it is the centromere ("10").
    bool knows(int chromosome, QChar arm, const QString &band) const;

    // The arm's outermost band at a level ("15.3" for 5p at 550 bands); at the nearest level the
    // table has when it lacks that one.
    QString terminalBand(int chromosome, QChar arm, int level) const;

    // Where a band lies at a level; nothing when the level does not place it.
    std::optional<BandSpan> span(int chromosome, QChar arm, const QString &band, int level) const;

    // True when `band` is `other` or one of its sub-bands: "11.23" and "11.2" are within "11",
    // "11.23" is within "11.2", "12" is not within "1".
    static bool within(const QString &band, const QString &other);

private:
    QList<int> levels_;                 // ascending
    QList<QList<ArmBands>> arms_;       // [level index][chromosome * 2 + (arm == 'q')]
};

} // namespace korven::iscn
