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

QList<TableRow> tableRows(const QString &text)
{
    QList<TableRow> rows;
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
        rows.append({n + 1, line.toString().split(QLatin1Char('\t'))});
    }
    return rows;
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

BandTable BandTable::fromTexts(const QList<QPair<int, QString>> &levelTexts)
{
    BandTable table;
    QList<QPair<int, QString>> sorted = levelTexts;
    std::sort(sorted.begin(), sorted.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &[level, text] : sorted) {
        QList<ArmBands> arms(48);
        for (const TableRow &row : tableRows(text)) {
            const QStringList &fields = row.fields;
            if (fields.size() < 3 || fields[1].size() != 1)
                continue;
            const int chromosome = chromosomeIndex(fields[0]);
            const QChar arm = fields[1].at(0);
            if (chromosome < 0 || (arm != QLatin1Char('p') && arm != QLatin1Char('q')))
                continue;
            arms[armSlot(chromosome, arm)].append(fields[2]);
        }
        // The tables run from the p-arm end to the q-arm end; each arm is kept from the centromere
        // outwards.
        for (int chromosome = 0; chromosome < 24; ++chromosome)
            std::reverse(arms[armSlot(chromosome, QLatin1Char('p'))].begin(),
                         arms[armSlot(chromosome, QLatin1Char('p'))].end());
        table.levels_.append(level);
        table.arms_.append(arms);
    }
    return table;
}

QString builtInTableText(int level)
{
    QFile file(QStringLiteral(":/korven/iscn/human-ideogram-bands-%1.tsv").arg(level));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const BandTable &BandTable::builtIn()
{
    static const BandTable table = [] {
        QList<QPair<int, QString>> texts;
        for (int level : {400, 550, 850}) {
            const QString text = builtInTableText(level);
            if (!text.isEmpty())
                texts.append({level, text});
        }
        return fromTexts(texts);
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
