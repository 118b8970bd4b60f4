// Timings of the exercise window on the real widgets: "Next" (reset, load, scatter, pieces
// shown and painted), one wheel turn of a piece, and one drop of a piece into a slot.
#include "bench/bench.h"

#include "exercise/main_layout.h"
#include "program/program_folder.h"
#include "forms/messages.h"
#include "forms/window_set.h"
#include "exercise/catalogue.h"
#include "exercise/problem_loader.h"
#include "files/text_file.h"
#include "exercise/ui/magnifier.h"
#include "exercise/ui/tform1.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

// A problem of banded rods 20..40 x 120..240 pixels, for when the build bundled none.
void writeSyntheticProblem(const QString &imagesFolder, const QString &name)
{
    QDir dir(imagesFolder);
    dir.mkpath(name);
    dir.cd(name);
    QStringList listing;
    for (int k = 0; k < korven::PieceCount; ++k) {
        const int chromosome = k / 2 + 1;
        QImage image(40 - chromosome % 20, 240 - chromosome * 5, QImage::Format_RGB888);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 90, 130));
        p.drawRoundedRect(image.rect().adjusted(3, 3, -3, -3), 8, 8);
        p.setBrush(QColor(40, 30, 50));
        for (int y = 10; y < image.height() - 10; y += 14 + k % 5)
            p.drawRect(3, y, image.width() - 6, 4);
        p.end();
        const QString file = dir.filePath(korven::pieceFileName(k));
        image.save(file, "BMP");
        listing << QStringLiteral("%1,0,%2").arg(korven::pieceFileName(k)).arg(korven::checkValue(file));
    }
    korven::writeFileAtomically(dir.filePath(name + QStringLiteral(".set")), korven::linesToCp932(listing));
}

void settle()
{
    QApplication::processEvents();
}

} // namespace

void benchWindow(const QString &imagesFolder)
{
    QTemporaryDir temporary;
    QString programFolder = QFileInfo(imagesFolder).absolutePath();
    if (korven::availableProblems(imagesFolder).isEmpty()) {
        if (!temporary.isValid()) {
            std::printf("exercise window: no temporary folder\n");
            return;
        }
        programFolder = temporary.path();
        writeSyntheticProblem(temporary.filePath(QStringLiteral("Images")), korven::catalogueNames().first());
        std::printf("exercise window: synthetic problem\n");
    } else {
        std::printf("exercise window: bundled problems in %s\n", qPrintable(imagesFolder));
    }

    korven::setProgramFolder(programFolder);
    korven::ui::setMessageHook([](const QString &kind, const QString &, const QString &text) {
        std::printf("exercise window: %s: %s\n", qPrintable(kind), qPrintable(text));
    });
    korven::ui::setModalHook([](QDialog *) { return 0; });
    korven::ui::createWindowSet();
    korven::ui::createExerciseWindow();
    TForm1 *f = Form1;
    f->setWindowState(Qt::WindowNoState);
    f->resize(korven::DesignWidth, korven::DesignHeight);
    f->show();
    settle();

    korvenbench::measure(QStringLiteral("window: Next (reset, load, scatter, pieces shown)"), 30, [f] {
        f->Button2Click();
        settle();
    });

    f->Button4Click(); // Start: pieces movable
    const int k = 20;
    f->PieceImages[k]->move(100, 60);
    f->ImageContextPopup(f->PieceImages[k]);
    korvenbench::measure(QStringLiteral("window: one wheel turn"), 100, [f] {
        f->FormMouseWheel(120);
        settle();
    });

    // Drop piece k into slot 30, then take it back to the work area (not timed) and again.
    PieceImage *piece = f->PieceImages[k];
    BoardPanel *slot = f->SlotPanels[30];
    auto dropIntoSlot = [&] {
        f->OutputPanelDragOver(slot, piece, 5, 5);
        f->OutputPanelDragDrop(slot, piece, 5, 5);
        settle();
    };
    auto takeBack = [&] {
        f->InputPanelDragOver(f->InputPanel, piece, 100, 100);
        f->InputPanelDragDrop(f->InputPanel, piece, 100, 100);
        settle();
    };
    dropIntoSlot();
    takeBack();
    std::vector<double> times;
    for (int i = 0; i < 100; ++i) {
        times.push_back(korvenbench::timeMs(dropIntoSlot));
        takeBack();
    }
    korvenbench::printMedian(QStringLiteral("window: one drop into a slot"), korvenbench::median(times));
    if (korven::ui::beepCount() > 0 || f->SlotContent[30] != -1)
        std::printf("exercise window: %d drops refused\n", korven::ui::beepCount());

    // The magnifier over chromosome 1: the pointer goes from one homologue to the other, so every
    // update draws the loupe afresh (moving over the same piece only moves it).
    f->Magnifier1->setChecked(true);
    PieceImage *first = f->PieceImages[0];
    PieceImage *second = f->PieceImages[1];
    first->move(40, 20);
    second->move(first->x() + first->width() + 10, 20);
    first->raise();
    second->raise();
    int turn = 0;
    korvenbench::measure(QStringLiteral("window: one loupe update (chromosome 1, drawn afresh)"), 100, [&] {
        PieceImage *over = (turn++ % 2) ? second : first;
        f->updateMagnifier(over->mapToGlobal(over->rect().center()));
        settle();
    });
    if (!f->Loupe->isVisible())
        std::printf("exercise window: the loupe did not show\n");

    korven::ui::destroyWindowSet();
    korven::ui::setMessageHook({});
    korven::ui::setModalHook({});
    korven::setProgramFolder(QString());
}

namespace {
const bool windowRegistered = korvenbench::registerSection(QStringLiteral("exercise window"), 30, [] {
    benchWindow(korvenbench::programFolder() + QStringLiteral("/Images"));
});
}
