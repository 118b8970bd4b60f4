// The checks on a karyotype that was read: bands, order, count.
#include "iscn/band_table.h"
#include "iscn/iscn_text.h"
#include "iscn/karyotype.h"
#include "iscn/karyotype_order.h"

#include <algorithm>

namespace korven::iscn {

namespace {

void checkBands(const Rearrangement &r, QList<Fault> &faults)
{
    const BandTable &table = BandTable::builtIn();
    for (int k = 0; k < r.breakpoints.size(); ++k) {
        const Breakpoint &bp = r.breakpoints[k];
        const QString chromosome = breakpointChromosome(r, k);
        const int index = chromosomeIndex(chromosome);
        if (index < 0 || table.knows(index, bp.arm, bp.band))
            continue;
        const QString arm = chromosome + bp.arm;
        // The arm's end as the middle table draws it: 5p ends at p15.3 (p15.33 only at 850 bands).
        const QString terminal = table.terminalBand(index, bp.arm, 550);
        QString message;
        if (!terminal.isEmpty() && bp.band.toDouble() > terminal.toDouble())
            message = Text::tr("%1 does not exist: %2 ends at %3 (%4).")
                          .arg(chromosome + bp.text(), arm, bp.arm + terminal, characterAt(bp.position));
        else
            message = Text::tr("%1 does not exist: %2 has no band %3 at any band level (%4).")
                          .arg(chromosome + bp.text(), arm, bp.text(), characterAt(bp.position));
        faults.append({Fault::Type::Band, bp.position, message});
    }
}

void checkChromosomeOrder(const Rearrangement &r, int position, QList<Fault> &faults)
{
    const Rearrangement ordered = inChromosomeOrder(r);
    if (ordered == r)
        return;
    faults.append({Fault::Type::Translocation, position,
                   Text::tr("%1 (%2) is written %3: the sex chromosome or the lower number comes first, and the "
                            "breakpoints in the same order.")
                       .arg(writeRearrangement(r), characterAt(position), writeRearrangement(ordered))});
}

// ISCN writes two breakpoints of one chromosome from pter to qter (del, inv, r); reversed, the
// meaning is plain and only the writing is at fault.
void checkBreakpointOrder(const Rearrangement &r, int position, QList<Fault> &faults)
{
    const Rearrangement ordered = inPterOrder(r);
    if (ordered == r)
        return;
    faults.append({Fault::Type::Breakpoints, position,
                   Text::tr("%1 (%2) is written %3: the two breakpoints of one chromosome are written from pter "
                            "to qter.")
                       .arg(writeRearrangement(r), characterAt(position), writeRearrangement(ordered))});
}

void checkRearrangement(const Rearrangement &r, int position, QList<Fault> &faults)
{
    checkChromosomeOrder(r, position, faults);
    checkBreakpointOrder(r, position, faults);
    checkBands(r, faults);
}

QString orderReason(const Abnormality &earlier, const Abnormality &later)
{
    const auto [laterRank, laterStructural] = orderKey(later);
    const auto [earlierRank, earlierStructural] = orderKey(earlier);
    if (laterRank == earlierRank)
        return Text::tr("for the same chromosome the numerical change comes before the structural one");
    if (earlierRank == 100)
        return Text::tr("markers come last");
    if (laterRank <= 1 && earlierRank <= 1)
        return Text::tr("X comes before Y");
    if (laterRank <= 1)
        return Text::tr("sex chromosome abnormalities come first");
    return Text::tr("autosomes follow in numerical order");
}

QString ploidyWord(int count)
{
    switch (ploidy(count)) {
    case 1: return Text::tr("near-haploid");
    case 3: return Text::tr("triploid");
    case 4: return Text::tr("tetraploid");
    default: return Text::tr("diploid");
    }
}

QString arithmetic(const CellLine &line)
{
    QString text = QString::number(22 * ploidy(line.count) + line.sex.size());
    if (ploidy(line.count) != 2)
        text = Text::tr("%1 (%2 autosomes of a %3 line and %4)")
                   .arg(text)
                   .arg(22 * ploidy(line.count))
                   .arg(ploidyWord(line.count), line.sex);
    bool any = false;
    for (const Abnormality &abnormality : line.abnormalities) {
        const int change = countChange(abnormality);
        if (change == 0)
            continue;
        any = true;
        text += QStringLiteral(" %1 %2 (%3)")
                    .arg(change > 0 ? QLatin1Char('+') : QLatin1Char('-'))
                    .arg(std::abs(change))
                    .arg(writeAbnormality(abnormality));
    }
    if (!any)
        text += QStringLiteral(" + ") + Text::tr("nothing");
    return text;
}

} // namespace

QList<Fault> checkKaryotype(const Karyotype &karyotype)
{
    QList<Fault> faults = karyotype.writtenFaults;
    const bool mosaic = karyotype.lines.size() > 1;
    for (int n = 0; n < karyotype.lines.size(); ++n) {
        const CellLine &line = karyotype.lines[n];
        // ISCN gives the number of cells of each line of a mosaic, chimera or set of clones.
        if (mosaic && line.cells < 0) {
            const int at = line.position + line.length - 1;
            faults.append({Fault::Type::CellCount, at,
                           Text::tr("Line %1 (%2) has no cell count: each line of a mosaic or of clones is "
                                    "followed by its number of cells in brackets, as in 45,X[15]/46,XX[5].")
                               .arg(n + 1)
                               .arg(characterAt(line.position))});
        }
        QString sorted = line.sex;
        std::sort(sorted.begin(), sorted.end());
        if (sorted != line.sex) {
            const int at = line.position + int(QString::number(line.count).size()) + 1;
            faults.append({Fault::Type::Order, at,
                           Text::tr("The sex complement %1 (%2) is written %3: X comes before Y.")
                               .arg(line.sex, characterAt(at), sorted)});
        }
        for (int k = 0; k < line.abnormalities.size(); ++k) {
            const Abnormality &a = line.abnormalities[k];
            checkRearrangement(a, a.position, faults);
            for (const Rearrangement &part : a.derivation)
                checkRearrangement(part, a.position, faults);
            // Each abnormality against the one before it: enough to name every step out of order.
            if (k > 0 && orderKey(a) < orderKey(line.abnormalities[k - 1])) {
                const Abnormality &before = line.abnormalities[k - 1];
                faults.append({Fault::Type::Order, a.position,
                               Text::tr("%1 (%2) must come before %3: %4.")
                                   .arg(writeAbnormality(a), characterAt(a.position), writeAbnormality(before),
                                        orderReason(before, a))});
            }
        }
        const int described = describedCount(line);
        if (described != line.count) {
            QString message = Text::tr("%1 stated, %2 described: %3.").arg(line.count).arg(described).arg(arithmetic(line));
            if (mosaic)
                message = Text::tr("Line %1 (%2): %3").arg(n + 1).arg(characterAt(line.position), message);
            faults.append({Fault::Type::Count, line.position, message});
        }
    }
    std::stable_sort(faults.begin(), faults.end(), [](const Fault &a, const Fault &b) { return a.position < b.position; });
    return faults;
}

Reading readKaryotype(const QString &text)
{
    Reading reading;
    Fault fault;
    reading.karyotype = parseKaryotype(text, &fault, &reading.notes);
    if (reading.karyotype)
        reading.faults = checkKaryotype(*reading.karyotype);
    else
        reading.faults.append(fault);
    return reading;
}

} // namespace korven::iscn
