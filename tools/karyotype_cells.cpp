#include "tools/karyotype_cells.h"

#include "exercise/errors.h"

#include <QCoreApplication>

namespace korven {

namespace {

QStringList breakTexts(const QList<iscn::Breakpoint> &breakpoints)
{
    QStringList texts;
    for (const iscn::Breakpoint &b : breakpoints)
        texts << b.text();
    return texts;
}

Alteration alterationOf(const iscn::Abnormality &abnormality)
{
    using K = Alteration::Kind;
    Alteration a;
    a.gained = abnormality.change > 0;
    a.chromosomes = abnormality.chromosomes;
    a.breakpoints = breakTexts(abnormality.breakpoints);
    a.text = iscn::writeAbnormality(abnormality);
    if (a.text.startsWith(QLatin1Char('+')) || a.text.startsWith(QLatin1Char('-')))
        a.text.remove(0, 1);
    switch (abnormality.kind) {
    case iscn::Kind::Numerical:
        a.kind = abnormality.change < 0 ? K::Loss : K::Gain;
        break;
    case iscn::Kind::Marker:
        a.kind = K::Marker;
        a.gained = true;
        break;
    case iscn::Kind::Deletion:
        a.kind = K::Deletion;
        break;
    case iscn::Kind::Duplication:
        a.kind = K::Duplication;
        break;
    case iscn::Kind::Inversion:
        a.kind = K::Inversion;
        break;
    case iscn::Kind::Translocation:
        a.kind = K::Translocation;
        break;
    case iscn::Kind::Isochromosome:
        a.kind = K::Isochromosome;
        break;
    case iscn::Kind::Derivative:
        if (abnormality.chromosomes.size() == 2 && abnormality.derivation.isEmpty()) {
            a.kind = K::Robertsonian;
        } else if (abnormality.chromosomes.size() == 1 && abnormality.derivation.size() == 1
                   && abnormality.derivation.first().kind == iscn::Kind::Translocation) {
            const iscn::Rearrangement &t = abnormality.derivation.first();
            a.kind = K::Derivative;
            a.derivativeOf = abnormality.chromosomes.first();
            a.chromosomes = t.chromosomes;
            a.breakpoints = breakTexts(t.breakpoints);
        } else {
            a.kind = K::Unpaintable;
        }
        break;
    }
    return a;
}

} // namespace

std::vector<CellLine> cellLinesOf(const iscn::Karyotype &karyotype)
{
    std::vector<CellLine> lines;
    for (const iscn::CellLine &line : karyotype.lines) {
        CellLine cell;
        cell.sexChromosomes = line.sex;
        cell.cells = std::max(0, line.cells);
        cell.ploidy = iscn::ploidy(line.count);
        for (const iscn::Abnormality &abnormality : line.abnormalities)
            cell.alterations.push_back(alterationOf(abnormality));
        lines.push_back(cell);
    }
    return lines;
}

std::vector<CellLine> readKaryotypeCells(const QString &text)
{
    const iscn::Reading reading = iscn::readKaryotype(text);
    if (!reading.valid()) {
        QStringList messages;
        for (const iscn::Fault &fault : reading.faults)
            messages << fault.message;
        if (messages.isEmpty())
            messages << QCoreApplication::translate("KaryotypeCells", "cannot be read");
        throw KorvenError(QCoreApplication::translate("KaryotypeCells", "karyotype %1: %2").arg(text, messages.join(QStringLiteral("; "))));
    }
    return cellLinesOf(*reading.karyotype);
}

} // namespace korven
