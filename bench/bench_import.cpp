// Importing a teacher's karyogram: a 3000 x 2400 picture laid out from a bundled problem, cut into
// a problem folder (reading the PNG, finding the 46 chromosomes, writing the bitmaps and listing).
#include "bench/bench.h"

#include "exercise/catalogue.h"
#include "exercise/problem_loader.h"
#include "tools/karyogram_import.h"
#include "tools/karyogram_sheet.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using namespace korvenbench;

double processorMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

void importSection()
{
    const QString images = programFolder() + QStringLiteral("/Images");
    const QStringList present = korven::availableProblems(images);
    QTemporaryDir temporary;
    if (present.isEmpty() || !temporary.isValid()) {
        std::printf("import 3000x2400 karyogram: no bundled problem\n");
        return;
    }
    std::array<QImage, korven::PieceCount> pieces;
    QStringList values;
    korven::loadProblem(images, present.first(), pieces, values);
    const QImage sheet = korven::drawKaryogram(pieces, korven::isFemaleProblem(present.first()));
    const QImage scaled = sheet.scaled(3000, 2400, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage picture(3000, 2400, QImage::Format_RGB888);
    picture.fill(Qt::white);
    QPainter(&picture).drawImage((3000 - scaled.width()) / 2, (2400 - scaled.height()) / 2, scaled);
    const QString path = temporary.filePath(QStringLiteral("karyogram.png"));
    picture.save(path);

    korven::ImportOptions options{path, temporary.filePath(QStringLiteral("Images")), present.first(), {}, true};
    measure(QStringLiteral("import 3000x2400 karyogram (read, segment, write 46 bitmaps)"), 5,
            [&] { korven::importKaryogram(options); });
    // Processor time of all the process's threads: what the import costs the machine, whatever
    // else runs beside it.
    std::vector<double> processor;
    for (int i = 0; i < 5; ++i) {
        const double before = processorMs();
        korven::importKaryogram(options);
        processor.push_back(processorMs() - before);
    }
    std::printf("import 3000x2400 karyogram: median %.3f ms processor time\n", median(processor));
    std::fflush(stdout);
}

const bool importRegistered = registerSection(QStringLiteral("import"), 40, importSection);

} // namespace
