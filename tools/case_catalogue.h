#pragma once
// The bundled cases: each a karyotype at a band level where its change shows, with the note
// shown with the answer. Folder names are neutral ("case-01"), so the list gives nothing away.
#include "tools/case_maker.h"
#include "tools/cell_chromosomes.h"
#include "tools/ideogram.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

namespace korven {

struct CatalogueCase {
    QString name;        // folder name
    QString karyotype;
    int level = 550;
    int cells = 1;       // cells of a karyotype without counts
    int firstLine = 0;   // the line of cell 1, the cell karyotyped
    QStringList notes;   // what it is, what to look for
    QStringList notesJa; // the same in Japanese
};

const std::vector<CatalogueCase> &caseCatalogue();

// The recipe of catalogue case `index` (from 0) for `seed`. Throws KorvenError naming the case
// when its karyotype cannot be read or its change does not show at its level.
CaseRecipe catalogueRecipe(int index, std::uint64_t seed, const std::vector<Ideogram> &ideograms,
                           const std::function<KaryotypeLines(const QString &)> &readLines);

// Writes every catalogue case under outDir (replacing earlier folders of those names), each from
// its own seed drawn from `seed`; `readLines` reads a karyotype into its lines. Reports each
// finished case. Returns the number of cases written. Throws KorvenError naming the case, also
// for a case whose change its level cannot show.
int makeCaseCatalogue(const QString &outDir, std::uint64_t seed, const std::vector<Ideogram> &ideograms,
                      const std::function<KaryotypeLines(const QString &)> &readLines, int threads = 0,
                      const std::function<void(int done, int total, const QString &name)> &progress = {});

} // namespace korven
