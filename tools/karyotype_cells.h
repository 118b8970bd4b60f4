#pragma once
// A written karyotype read into the lines the cell builder paints from.
#include "iscn/karyotype.h"
#include "tools/cell_chromosomes.h"

#include <QString>
#include <vector>

namespace korven {

// The lines of a karyotype value, each abnormality as the cell builder takes it. A derivative made
// by anything but one translocation is kept as Unpaintable, for the builder to refuse.
std::vector<CellLine> cellLinesOf(const iscn::Karyotype &karyotype);

// Reads and checks a karyotype text. Throws KorvenError with every fault the reader finds (a case
// is made only from a sound karyotype).
std::vector<CellLine> readKaryotypeCells(const QString &text);

} // namespace korven
