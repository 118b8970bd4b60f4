// Importing a teacher's karyogram: a 3000 x 2400 picture laid out from a bundled problem, cut into
// a problem folder (reading the PNG, finding the 46 chromosomes, writing the bitmaps and listing);
// and how many pictures of the layout corpus import exactly. KORVEN_CORPUS_SEED chooses the
// corpus (1 when unset), KORVEN_CORPUS_SIZE its size (200).
#include "bench/bench.h"
#include "tests/fixtures/karyogram_corpus.h"

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

// The share of the corpus imported exactly, refused, and silently wrong (the figure that must be 0).
void corpusSection()
{
    const QString images = programFolder() + QStringLiteral("/Images");
    const QStringList present = korven::availableProblems(images);
    if (present.isEmpty()) {
        std::printf("import layout corpus: no bundled problem\n");
        return;
    }
    bool ok = false;
    const std::uint64_t seed = qEnvironmentVariable("KORVEN_CORPUS_SEED").toULongLong(&ok);
    const std::uint64_t useSeed = ok ? seed : 1;
    const int wanted = qEnvironmentVariableIntValue("KORVEN_CORPUS_SIZE", &ok);
    const int size = repeats(ok && wanted > 0 ? wanted : 200);
    // A handful of sets, of every band level, each laid out many times.
    std::vector<std::pair<korven::corpus::Pieces, bool>> sources;
    for (int i = 0; i < present.size() && sources.size() < 6; i += std::max<int>(1, present.size() / 6)) {
        korven::corpus::Pieces pieces;
        QStringList values;
        korven::loadProblem(images, present[i], pieces, values);
        sources.emplace_back(pieces, korven::isFemaleProblem(present[i]));
    }
    int exact = 0, refused = 0, wrong = 0;
    QStringList wrongOnes;
    std::vector<double> processor;
    for (int i = 0; i < size; ++i) {
        const auto &[pieces, female] = sources[size_t(i) % sources.size()];
        const korven::corpus::CorpusPicture picture = korven::corpus::corpusPicture(pieces, female, useSeed, i);
        const double before = processorMs();
        const korven::corpus::Judgement judgement = korven::corpus::judge(picture);
        processor.push_back(processorMs() - before);
        switch (judgement.verdict) {
        case korven::corpus::Verdict::Exact:
            ++exact;
            break;
        case korven::corpus::Verdict::Refused:
            ++refused;
            korven::corpus::keepForLooking(picture, judgement, i);
            break;
        case korven::corpus::Verdict::Wrong:
            ++wrong;
            wrongOnes << QString::number(i);
            korven::corpus::keepForLooking(picture, judgement, i);
            break;
        }
        if (qEnvironmentVariableIsSet("KORVEN_CORPUS_VERBOSE") && judgement.verdict != korven::corpus::Verdict::Exact)
            std::printf("  corpus %d (%s): %s\n", i, qPrintable(picture.description), qPrintable(judgement.detail));
    }
    std::printf("import layout corpus, seed %llu, %d pictures: exact %.1f %%, refused %.1f %%, silently wrong %.1f %%%s\n",
                static_cast<unsigned long long>(useSeed), size, 100.0 * exact / size, 100.0 * refused / size, 100.0 * wrong / size,
                wrongOnes.isEmpty() ? "" : qPrintable(QStringLiteral(" (pictures %1)").arg(wrongOnes.join(QStringLiteral(", ")))));
    std::printf("import layout corpus: median %.3f ms processor time for the segmentation\n", median(processor));
    std::fflush(stdout);
}

const bool corpusRegistered = registerSection(QStringLiteral("import-corpus"), 41, corpusSection);

const bool importRegistered = registerSection(QStringLiteral("import"), 40, importSection);

} // namespace
