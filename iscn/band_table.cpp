#include "iscn/band_table.h"

#include "iscn/karyotype.h"

#include <QFile>

#include <algorithm>
#include <cstdlib>

namespace korven::iscn {

namespace {

int armSlot(int chromosome, QChar arm)
{
    return chromosome * 2 + (arm == QLatin1Char('q') ? 1 : 0);
}

} // namespace

const QStringList &stainNames()
{
    static const QStringList names{QStringLiteral("gneg"),   QStringLiteral("gpos25"),  QStringLiteral("gpos50"),
                                   QStringLiteral("gpos75"), QStringLiteral("gpos100"), QStringLiteral("gvar"),
                                   QStringLiteral("acen"),   QStringLiteral("stalk")};
    return names;
}

std::optional<QList<TableBand>> readBandTable(const QString &text, QString *fault)
{
    QList<TableBand> bands;
    bool headerSeen = false;
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        QStringView line = lines[n];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (!headerSeen) {
            headerSeen = true;
            continue;
        }
        const auto refuse = [&](const QString &why) {
            if (fault)
                *fault = QStringLiteral("line %1: %2").arg(n + 1).arg(why);
            return std::nullopt;
        };
        const QStringList fields = line.toString().split(QLatin1Char('\t'));
        if (fields.size() < 8)
            return refuse(QStringLiteral("%1 fields, 8 expected").arg(fields.size()));
        TableBand band;
        band.line = n + 1;
        band.chromosome = chromosomeIndex(fields[0]);
        if (band.chromosome < 0)
            return refuse(QStringLiteral("unknown chromosome \"%1\"").arg(fields[0]));
        if (fields[1] != QLatin1String("p") && fields[1] != QLatin1String("q"))
            return refuse(QStringLiteral("arm \"%1\" is neither p nor q").arg(fields[1]));
        band.arm = fields[1].at(0);
        band.name = fields[2];
        bool startOk = false, stopOk = false;
        band.start = fields[3].toDouble(&startOk);
        band.stop = fields[4].toDouble(&stopOk);
        if (!startOk || !stopOk || band.stop <= band.start)
            return refuse(QStringLiteral("band %1 has no valid ISCN start and stop").arg(band.name));
        band.stain = fields[7].trimmed();
        if (!stainNames().contains(band.stain))
            return refuse(QStringLiteral("unknown stain \"%1\"").arg(fields[7]));
        band.bpStart = fields[5].toDouble(); // 0 when unreadable
        band.bpStop = fields[6].toDouble();
        bands.append(band);
    }
    return bands;
}

const QList<TableBand> &builtInBands(int level)
{
    static const QList<QPair<int, QList<TableBand>>> tables = [] {
        QList<QPair<int, QList<TableBand>>> all;
        for (int each : {400, 550, 850}) {
            QFile file(QStringLiteral(":/korven/iscn/human-ideogram-bands-%1.tsv").arg(each));
            const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
            all.append({each, readBandTable(text).value_or(QList<TableBand>{})});
        }
        return all;
    }();
    static const QList<TableBand> none;
    for (const auto &[each, bands] : tables) {
        if (each == level)
            return bands;
    }
    return none;
}

bool BandTable::within(const QString &band, const QString &other)
{
    if (!band.startsWith(other))
        return false;
    if (band.size() == other.size())
        return true;
    // "11" holds "11.2"; "11.2" holds "11.21"; "1" holds neither "12" nor "1.2" (no such band).
    const QChar next = band.at(other.size());
    return other.contains(QLatin1Char('.')) ? next.isDigit() : next == QLatin1Char('.');
}

BandTable BandTable::fromTables(const QList<QPair<int, QList<TableBand>>> &levels)
{
    BandTable table;
    QList<QPair<int, QList<TableBand>>> sorted = levels;
    std::sort(sorted.begin(), sorted.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &[level, bands] : sorted) {
        QList<ArmBands> arms(48);
        for (const TableBand &band : bands)
            arms[armSlot(band.chromosome, band.arm)].append(band.name);
        // The tables run from the p-arm end to the q-arm end; each arm is kept from the centromere
        // outwards.
        for (int chromosome = 0; chromosome < ChromosomeCount; ++chromosome)
            std::reverse(arms[armSlot(chromosome, QLatin1Char('p'))].begin(),
                         arms[armSlot(chromosome, QLatin1Char('p'))].end());
        table.levels_.append(level);
        table.arms_.append(arms);
    }
    return table;
}

const BandTable &BandTable::builtIn()
{
    static const BandTable table = [] {
        QList<QPair<int, QList<TableBand>>> levels;
        for (int level : {400, 550, 850}) {
            if (!builtInBands(level).isEmpty())
                levels.append({level, builtInBands(level)});
        }
        return fromTables(levels);
    }();
    return table;
}

ArmBands BandTable::bands(int chromosome, QChar arm, int level) const
{
    const int index = levels_.indexOf(level);
    if (index < 0 || chromosome < 0 || chromosome > 23)
        return {};
    return arms_[index][armSlot(chromosome, arm)];
}

bool BandTable::knows(int chromosome, QChar arm, const QString &band) const
{
    if (band == QLatin1String("10"))
        return true;
    for (int level : levels_) {
        for (const QString &known : bands(chromosome, arm, level)) {
            if (within(known, band))
                return true;
        }
    }
    return false;
}

QString BandTable::terminalBand(int chromosome, QChar arm, int level) const
{
    QList<int> nearest = levels_;
    std::stable_sort(nearest.begin(), nearest.end(),
                     [level](int a, int b) { return std::abs(a - level) < std::abs(b - level); });
    for (int each : nearest) {
        const ArmBands list = bands(chromosome, arm, each);
        if (!list.isEmpty())
            return list.last();
    }
    return {};
}

std::optional<BandSpan> BandTable::span(int chromosome, QChar arm, const QString &band, int level) const
{
    if (band == QLatin1String("10"))
        return BandSpan{-1, -1};
    const ArmBands list = bands(chromosome, arm, level);
    std::optional<BandSpan> found;
    for (int i = 0; i < list.size(); ++i) {
        // The band itself, one of its sub-bands, or the coarser band of this level holding it.
        if (within(list[i], band) || within(band, list[i])) {
            if (!found)
                found = BandSpan{i, i};
            found->last = i;
        }
    }
    return found;
}

} // namespace korven::iscn
