// The case window driven by mouse and keys: counting by clicks, arranging by drags and the wheel,
// writing, grading, the record it appends, a mosaic counted cell by cell, and the way in from the
// exercise window.
#include "case_fixture.h"

#include "program/program_folder.h"
#include "forms/messages.h"
#include "cases/case_grading.h"
#include "cases/case_layout.h"
#include "cases/case_records.h"
#include "cases/ui/case_answer.h"
#include "cases/ui/case_window.h"
#include "cases/ui/source_ideograms.h"
#include "files/errors.h"
#include "exercise/grading.h"
#include "exercise/ui/tform1.h"
#include "iscn/band_table.h"
#include "iscn/ideogram_layout.h"

#include <QAction>
#include <QComboBox>
#include <QDrag>
#include <QMimeData>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QWheelEvent>
#include <QTest>

#include "support/drop_at.h"
#include "support/file_bytes.h"

using namespace korven;
using namespace korven::test;

namespace {

CasePieceWidget *pieceWith(CaseWindow &w, const QString &identity, int nth = 0)
{
    for (CasePieceWidget *p : w.pieceWidgets())
        if (w.currentCase().pieces[p->index()].identity == identity && nth-- == 0)
            return p;
    return nullptr;
}

CasePieceWidget *pieceAt(CaseWindow &w, int index)
{
    for (CasePieceWidget *p : w.pieceWidgets())
        if (p->index() == index)
            return p;
    return nullptr;
}

void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center()); }

// Drags a piece by mouse to `pos` of `target`; the piece shown where it was dropped (a new one).
CasePieceWidget *drag(CaseWindow &w, CasePieceWidget *piece, QWidget *target, const QPoint &pos)
{
    const int index = piece->index();
    const DropAt drop(target, pos);
    const QPoint press = piece->rect().center();
    const QPoint to = piece->mapFromGlobal(target->mapToGlobal(pos));
    QTest::mousePress(piece, Qt::LeftButton, Qt::NoModifier, press);
    QTest::mouseMove(piece, (press + to) / 2);
    QTest::mouseMove(piece, to);
    QTest::mouseRelease(piece, Qt::LeftButton, Qt::NoModifier, to);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the piece it was
    return pieceAt(w, index);
}

CasePieceWidget *dragToGroup(CaseWindow &w, CasePieceWidget *piece, int group)
{
    return drag(w, piece, w.karyogram->group(group), QPoint(4, 4));
}

void turn(CaseWindow &w, CasePieceWidget *piece, int notches)
{
    const QPoint at = piece->rect().center();
    QContextMenuEvent choose(QContextMenuEvent::Mouse, at, piece->mapToGlobal(at));
    QApplication::sendEvent(piece, &choose);
    QWidget *over = w.spread;
    for (int i = 0; i < notches; ++i) {
        QWheelEvent wheel(QPointF(1, 1), over->mapToGlobal(QPointF(1, 1)), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &wheel);
    }
}

QStringList recordLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

} // namespace

class TestCaseWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void countArrangeWriteEvaluate();
    void mosaicCountedCellByCell();
    void markShownWholeOnSmallChromosome();
    void karyogramHasRoomForBands();
    void answerShowsSourceIdeograms();
    void brokenCaseChangesNothing();
    void damagedCaseAndRecordFileAreShown();
    void readOnlyLoginRecordsNoCase();
    void leavingWorkAsks();
    void listKnowsCasesByFolder();
    void smallChromosomesReadable();
    void openedFromExerciseWindowPausesTrial();

private:
    ProgramFolder *folder_ = nullptr;
    QString cases_;
};

void TestCaseWindow::init()
{
    folder_ = new ProgramFolder;
    cases_ = QDir(folder_->path()).filePath(QStringLiteral("Cases"));
    writeCase(cases_, "b-mosaic", "45,X[2]/46,XX[1]",
              {{{"X"}, {"1"}, {"2"}}, {{"X"}, {"X"}, {"1"}, {"2"}}, {{"X"}, {"1"}, {"2"}}});
    writeCase(cases_, "a-trisomy", "47,XY,+21",
              {{{"21", 2}, {"21"}, {"21", 23}, {"X"}, {"Y"}, {"der(13;14)(q10;q10)"}, {"mar"}}});
}

void TestCaseWindow::cleanup()
{
    delete folder_;
    folder_ = nullptr;
}

void TestCaseWindow::countArrangeWriteEvaluate()
{
    CaseWindow w("trainee1");
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w, 60000));
    QCOMPARE(w.windowTitle(), QStringLiteral("KORVEN  Case work"));
    // A teacher's folder under its own name (the bundled ones are numbered, see caseList).
    QCOMPARE(w.caseList->count(), 2);
    QCOMPARE(w.caseList->item(0)->text(), QStringLiteral("a-trisomy"));
    w.openCase(0);
    QCOMPARE(w.stage(), CaseWindow::Stage::Counting);
    QCOMPARE(int(w.pieceWidgets().size()), 7);
    // The spread shows its chromosomes: dark pixels where the pieces lie.
    const QImage shown = w.spread->grab().toImage();
    const QRect first = w.pieceWidgets()[0]->geometry();
    int dark = 0;
    for (int y = first.top(); y <= first.bottom(); ++y)
        for (int x = first.left(); x <= first.right(); ++x)
            dark += qGray(shown.pixel(x, y)) < 160 ? 1 : 0;
    QVERIFY2(dark > first.width() * first.height() / 4, qPrintable(QString::number(dark)));

    // Count: three marks, the second taken off again, the rest renumbered.
    const auto &pieces = w.pieceWidgets();
    click(pieces[0]);
    click(pieces[1]);
    click(pieces[2]);
    QCOMPARE(pieces[2]->mark(), 3);
    click(pieces[1]);
    QCOMPARE(w.markCount(), 2);
    QCOMPARE(pieces[1]->mark(), 0);
    QCOMPARE(pieces[2]->mark(), 2);
    QCOMPARE(w.countBox->value(), 2);
    for (int i = 3; i < 7; ++i)
        click(pieces[i]);
    QCOMPARE(w.countBox->value(), 6);
    QVERIFY(!w.evaluateButton->isEnabled());
    QTest::mouseClick(w.confirmButton, Qt::LeftButton); // one short of the truth
    QCOMPARE(w.stage(), CaseWindow::Stage::Arranging);
    QVERIFY(w.cellStrip->text().contains("6"));

    // Arrange: the trisomy into 21, X and Y, the Robertsonian into 14, the marker into 21 (wrong);
    // one 21 turned too far, one left in the spread.
    dragToGroup(w, pieceWith(w, "21", 0), 20);
    dragToGroup(w, pieceWith(w, "21", 1), 20);
    dragToGroup(w, pieceWith(w, "X"), GroupX);
    dragToGroup(w, pieceWith(w, "Y"), GroupY);
    dragToGroup(w, pieceWith(w, "der(13;14)(q10;q10)"), 13);
    dragToGroup(w, pieceWith(w, "mar"), 20);
    QCOMPARE(int(w.karyogram->group(20)->pieces().size()), 3);
    // ... and one moved on from 21 to its right place.
    dragToGroup(w, pieceWith(w, "mar"), GroupMarker);
    QCOMPARE(int(w.karyogram->group(20)->pieces().size()), 2);
    // A place takes only a piece of this window: another program's drag, even in its format, is refused.
    {
        const DropAt drop(w.karyogram->group(0), QPoint(4, 4));
        QDrag foreign(&w);
        auto *data = new QMimeData;
        data->setData(CasePieceMimeData::Format, "0\t0\t1");
        foreign.setMimeData(data);
        QCOMPARE(ui::runDrag(&foreign), Qt::IgnoreAction);
        QVERIFY(w.karyogram->group(0)->pieces().empty());
    }
    CasePieceWidget *turned = pieceWith(w, "21", 1);
    turn(w, turned, 6);
    QCOMPARE(turned->step(), 6);
    QCOMPARE(pieceWith(w, "21", 0)->step(), 0); // put down 30 degrees off upright: set upright
    // A double-click turns a piece over; put down past 45 degrees it keeps its turn.
    QTest::mouseDClick(turned, Qt::LeftButton, Qt::NoModifier, turned->rect().center());
    QCOMPARE(turned->step(), 18);
    QTest::mouseDClick(turned, Qt::LeftButton, Qt::NoModifier, turned->rect().center());
    QCOMPARE(turned->step(), 6);
    turned = dragToGroup(w, turned, 20);
    QCOMPARE(turned->step(), 6);
    // One 21 dragged back to the spread: it stays there, ungraded as placed.
    drag(w, pieceWith(w, "21", 2), w.spread, w.spread->rect().center());
    QCOMPARE(pieceWith(w, "21", 2)->group(), InSpread);

    // Write: the form fault shows as it is typed and goes when mended.
    QTest::keyClicks(w.karyotypeEdit, "47, XY");
    QVERIFY(!w.formFault->text().isEmpty());
    w.karyotypeEdit->clear();
    QTest::keyClicks(w.karyotypeEdit, "47,XY,+21");
    QVERIFY(w.formFault->text().isEmpty());

    QTest::mouseClick(w.evaluateButton, Qt::LeftButton);
    QCOMPARE(w.stage(), CaseWindow::Stage::Evaluated);
    QCOMPARE(pieceWith(w, "21", 0)->gradeColour(), QColor(SlotColourRight));
    QCOMPARE(turned->gradeColour(), QColor(SlotColourTurned));
    QCOMPARE(turned->caption(), QStringLiteral("turned"));
    QCOMPARE(pieceWith(w, "21", 2)->gradeColour(), QColor(SlotColourWrong));
    QCOMPARE(pieceWith(w, "mar")->gradeColour(), QColor(SlotColourRight));
    QCOMPARE(pieceWith(w, "der(13;14)(q10;q10)")->gradeColour(), QColor(SlotColourRight));
    // The karyotype's lines first, then the count.
    QCOMPARE(w.elementLines->count(), 4); // 47, XY, +21, then the count
    QCOMPARE(w.elementLines->item(3)->text(), QStringLiteral("Count of cell 1: 6 (true: 7)  wrong"));
    QCOMPARE(w.scoreLine->text(), QStringLiteral("Counts right: 0/1    Pieces right: 5/7    Karyotype: right"));

    const QStringList lines = recordLines(caseRecordPath(folder_->resultFolder(), "trainee1"));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], caseRecordHeader());
    const QStringList f = lines[1].split('\t');
    QCOMPARE(f.mid(2), (QStringList{"a-trisomy", f[3], "6", "7", "5", "7", "47,XY,+21", "right", "47,XY,+21",
                                    "numerical", ""}));
    QCOMPARE(f[0], QDate::currentDate().toString(Qt::ISODate));
    // The list and "my cases" read the record back.
    // ... with the whole result, coloured by its worst part (the count).
    QCOMPARE(w.caseList->item(0)->text(), QStringLiteral("a-trisomy\ncount wrong, pieces 5/7, karyotype right"));
    QCOMPARE(w.caseList->item(0)->background().color(), QColor(SlotColourWrong));
    QCOMPARE(w.myCases->item(0, 1)->text(), QStringLiteral("1"));

    QTest::mouseClick(w.answerButton, Qt::LeftButton);
    QVERIFY(w.answerWindow);
    QCOMPARE(w.answerWindow->karyotypeLabel->text(), QStringLiteral("47,XY,+21"));
    QCOMPARE(int(w.answerWindow->karyogram->group(20)->pieces().size()), 3);
    QCOMPARE(int(w.answerWindow->karyogram->group(13 - 1)->pieces().size()), 1); // rob in its first group
    // It fits the screen it opens on (the test screen is smaller than its usual size).
    QVERIFY(QTest::qWaitForWindowExposed(w.answerWindow, 60000));
    const QSize screen = w.answerWindow->screen()->availableGeometry().size();
    const QSize answerSize = w.answerWindow->frameGeometry().size();
    QVERIFY2(answerSize.width() <= screen.width() && answerSize.height() <= screen.height(),
             qPrintable(QStringLiteral("%1x%2 on %3x%4").arg(answerSize.width()).arg(answerSize.height()).arg(screen.width()).arg(screen.height())));
    // Esc puts the answer away.
    QTest::keyClick(w.answerWindow, Qt::Key_Escape);
    QVERIFY(!w.answerWindow->isVisible());
}

void TestCaseWindow::mosaicCountedCellByCell()
{
    CaseWindow w("trainee1");
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w, 60000));
    w.openCase(1);
    // The second cell (four chromosomes) counted one short; in the third the X counted twice, once
    // at each end, and the 2 not at all, so its count comes out right.
    const int expected[] = {3, 3, 2};
    for (int cell = 1; cell <= 3; ++cell) {
        QCOMPARE(w.countingCell(), cell);
        for (int i = 0; i < expected[cell - 1]; ++i)
            click(w.pieceWidgets()[i]);
        if (cell == 3) {
            CasePieceWidget *x = w.pieceWidgets()[0];
            const QPoint end = x->rect().center() + QPoint(0, x->height() / 3);
            QVERIFY(x->markAt(end) < 0);
            QTest::mouseClick(x, Qt::LeftButton, Qt::NoModifier, end);
            QCOMPARE(int(x->marks().size()), 2);
            QCOMPARE(w.countBox->value(), 3);
        }
        QTest::mouseClick(w.confirmButton, Qt::LeftButton);
    }
    QCOMPARE(w.stage(), CaseWindow::Stage::Arranging);
    QCOMPARE(w.cellStrip->text(), QStringLiteral("Counted: cell 1: 3   cell 2: 3   cell 3: 3"));
    QCOMPARE(int(w.pieceWidgets().size()), 3); // cell 1 is arranged
    QTest::keyClicks(w.karyotypeEdit, "46,XX");
    QTest::mouseClick(w.evaluateButton, Qt::LeftButton);
    const QStringList lines = recordLines(caseRecordPath(folder_->resultFolder(), "trainee1"));
    QCOMPARE(lines.size(), 2);
    const QStringList f = lines[1].split('\t');
    QCOMPARE(f[4], QStringLiteral("3 3 3"));
    QCOMPARE(f[5], QStringLiteral("3 4 3"));
    QCOMPARE(f[9], QStringLiteral("wrong"));
    QCOMPARE(f[11], QStringLiteral("mosaic"));
    QVERIFY(!w.elementLines->findItems(QStringLiteral("Count of cell 2: 3 (true: 4)  wrong"), Qt::MatchExactly).isEmpty());
    QVERIFY(w.elementLines->item(0)->text().startsWith("4")); // the karyotype's lines come first

    // Review: cell 2 reopened with the trainee's marks, the chromosome not counted outlined.
    QVERIFY(w.reviewChoice->isVisible());
    w.reviewChoice->setFocus();
    QTest::keyClick(w.reviewChoice, Qt::Key_Down);
    QTest::keyClick(w.reviewChoice, Qt::Key_Down);
    QCOMPARE(w.reviewedCell(), 2);
    QCOMPARE(int(w.pieceWidgets().size()), 4);
    QVERIFY(!w.karyogram->isVisible());
    int marked = 0, missed = 0;
    for (CasePieceWidget *p : w.pieceWidgets()) {
        marked += p->mark() > 0 ? 1 : 0;
        missed += p->gradeColour() == QColor(SlotColourWrong) && p->mark() == 0 ? 1 : 0;
    }
    QCOMPARE(marked, 3);
    QCOMPARE(missed, 1);
    QCOMPARE(w.pieceWidgets()[3]->mark(), 0); // the fourth was the one left out
    // Clicks only look: a review changes no mark.
    click(w.pieceWidgets()[3]);
    QCOMPARE(w.pieceWidgets()[3]->mark(), 0);
    // Cell 3: the X counted twice is outlined with both its marks, the 2 left out outlined bare.
    w.reviewChoice->setFocus();
    QTest::keyClick(w.reviewChoice, Qt::Key_Down);
    QCOMPARE(w.reviewedCell(), 3);
    const std::vector<CasePieceWidget *> third = w.pieceWidgets();
    QCOMPARE(int(third[0]->marks().size()), 2);
    QCOMPARE(third[0]->gradeColour(), QColor(SlotColourWrong));
    QCOMPARE(third[0]->toolTip(), QStringLiteral("counted 2 times"));
    QCOMPARE(int(third[1]->marks().size()), 1);
    QVERIFY(!third[1]->gradeColour().isValid());
    QVERIFY(third[2]->marks().empty());
    QCOMPARE(third[2]->gradeColour(), QColor(SlotColourWrong));
    QVERIFY2(w.stepLabel->text().contains("1 not counted, 1 counted more than once"), qPrintable(w.stepLabel->text()));
    // Back to the karyogram, cell 1 as it was graded.
    w.reviewCell(0);
    QVERIFY(w.karyogram->isVisible());
    QCOMPARE(int(w.pieceWidgets().size()), 3);
    QCOMPARE(w.pieceWidgets()[0]->gradeColour(), QColor(SlotColourWrong)); // left in the spread
}

void TestCaseWindow::markShownWholeOnSmallChromosome()
{
    CaseWindow w("trainee1");
    w.resize(800, 600);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.openCase(0);
    const std::vector<CasePieceWidget *> pieces = w.pieceWidgets();
    CasePieceWidget *small = *std::min_element(pieces.begin(), pieces.end(),
                                               [](auto *a, auto *b) { return a->width() < b->width(); });
    QVERIFY(small->width() < CasePieceWidget::MarkDiameter);
    const QPoint centre = small->geometry().center();
    click(small);
    QCOMPARE(small->mark(), 1);
    // The whole circle is drawn and takes clicks, and the chromosome has not moved.
    const QRegion shape = small->mask().isEmpty() ? QRegion(small->rect()) : small->mask();
    const int r = CasePieceWidget::MarkDiameter / 2 - 2;
    for (const QPoint &d : {QPoint(-r, 0), QPoint(r, 0), QPoint(0, -r), QPoint(0, r)}) {
        const QPoint at = small->rect().center() + d;
        QVERIFY2(small->rect().contains(at) && shape.contains(at), qPrintable(QStringLiteral("%1,%2").arg(d.x()).arg(d.y())));
    }
    QVERIFY((small->geometry().center() - centre).manhattanLength() <= 1);
    click(small);
    QCOMPARE(small->mark(), 0);
    QVERIFY((small->geometry().center() - centre).manhattanLength() <= 1);
}

void TestCaseWindow::karyogramHasRoomForBands()
{
    writeCase(cases_, "c-tall", "46,XX", {{{"1", 0, QSize(60, 400)}, {"1"}, {"X"}, {"X"}}});
    CaseWindow w("trainee1");
    w.resize(1280, 1000); // maximised on a 1280 x 1024 screen
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.openCase(2);
    // Counting: the spread has the whole work area.
    QVERIFY(!w.karyogram->isVisible());
    const int workWidth = w.spread->width();
    QVERIFY(workWidth > w.width() * 2 / 3);
    QTest::mouseClick(w.confirmButton, Qt::LeftButton);

    // Arranging: the karyogram beside the spread at the area's full height, the spread keeping a
    // good part of the width to drag from.
    QVERIFY(w.karyogram->isVisible());
    QVERIFY(w.karyogram->height() > w.height() * 3 / 4);
    QVERIFY(w.spread->width() > workWidth / 3);
    CasePieceWidget *tall = pieceWith(w, "1", 0);
    tall = dragToGroup(w, tall, 0);
    QCOMPARE(tall->group(), 0);
    // The tallest chromosome stands about as high as its group, big enough to show its bands.
    QVERIFY2(tall->height() > w.height() / 6, qPrintable(QString::number(tall->height())));
    QVERIFY(tall->height() <= w.karyogram->group(0)->height());

    // A piece put down at the spread's corner stays in sight when the grading takes room under it.
    CasePieceWidget *x = drag(w, pieceWith(w, "X", 0), w.spread, QPoint(w.spread->width() - 2, w.spread->height() - 2));
    QCOMPARE(x->group(), InSpread);
    QTest::keyClicks(w.karyotypeEdit, "46,XX");
    QTest::mouseClick(w.evaluateButton, Qt::LeftButton);
    QVERIFY(w.elementLines->isVisible());
    QVERIFY(w.spread->rect().contains(x->geometry()));
    // Graded, a piece in the spread keeps its shape (its colour a rim, hiding no neighbour); one in
    // a group fills its box like an exercise slot.
    QVERIFY(!x->mask().isEmpty());
    QCOMPARE(tall->mask().rectCount(), 1);
    QVERIFY(tall->mask().boundingRect().contains(tall->chromosomeRect()));
}

void TestCaseWindow::answerShowsSourceIdeograms()
{
    writeCase(cases_, "c-translocation", "47,XY,del(5)(p14),+der(22)t(11;22)(q23;q11.2)",
              {{{"5"}, {"del(5)(p14)"}, {"11"}, {"11"}, {"22"}, {"22"}, {"der(22)t(11;22)(q23;q11.2)"}}});
    const CaseFolder folder = readCaseFolder(QDir(cases_).filePath("c-translocation"));
    const std::vector<QImage> sources = loadCasePieces(folder);
    CaseAnswerWindow answer(nullptr);
    answer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&answer, 60000));
    answer.showCase(folder, sources);

    // One panel per abnormality, one ideogram per source chromosome, a mark at each breakpoint.
    const auto &panels = answer.ideograms->panels();
    QCOMPARE(panels.size(), 2);
    QCOMPARE(panels[0].title, QStringLiteral("del(5)(p14)"));
    QCOMPARE(panels[1].title, QStringLiteral("der(22)t(11;22)(q23;q11.2)"));
    struct Expected {
        int panel;
        QString chromosome, mark;
    };
    const Expected expected[] = {{0, "5", "p14"}, {1, "22", "q11.2"}, {1, "11", "q23"}};
    QCOMPARE(panels[0].ideograms.size(), 1);
    QCOMPARE(panels[1].ideograms.size(), 2);
    int n[2] = {0, 0};
    for (const Expected &e : expected) {
        const SourceIdeogramsView::Drawn &drawn = panels[e.panel].ideograms[n[e.panel]++];
        QCOMPARE(drawn.chromosome, e.chromosome);
        QCOMPARE(drawn.marks.size(), 1);
        QCOMPARE(drawn.marks[0].label, e.mark);
        // The mark lies on the named band of the table at the case's level (550 bands).
        const auto table = iscn::builtInIdeogram(iscn::chromosomeIndex(e.chromosome), 550);
        QVERIFY(table);
        QCOMPARE(drawn.bands.size(), table->bands.size());
        const double scale = (drawn.bottom - drawn.top) / table->length;
        bool onBand = false;
        for (const iscn::IdeogramBand &b : table->bands)
            onBand |= b.arm == e.mark[0] && iscn::BandTable::within(b.name, e.mark.mid(1))
                      && drawn.marks[0].y >= drawn.top + b.start * scale - 0.01
                      && drawn.marks[0].y <= drawn.top + b.stop * scale + 0.01;
        QVERIFY2(onBand, qPrintable(e.chromosome + e.mark));
    }
    // Drawn side by side, 11 longer than 22.
    QVERIFY(panels[1].ideograms[1].x > panels[1].ideograms[0].x);
    QVERIFY(panels[1].ideograms[1].bottom > panels[1].ideograms[0].bottom);
    QVERIFY(panels[1].top > panels[0].ideograms[0].bottom);

    // The trainee's breakpoint beside the true one where it differs; the same one adds nothing.
    answer.showCase(folder, sources, "47,XY,del(5)(p15.1),+der(22)t(11;22)(q23;q11.2)");
    const auto &again = answer.ideograms->panels();
    QCOMPARE(again[0].ideograms[0].marks.size(), 2);
    QCOMPARE(again[0].ideograms[0].marks[1].label, QStringLiteral("p15.1"));
    QVERIFY(again[0].ideograms[0].marks[1].given);
    QVERIFY(again[0].ideograms[0].marks[1].y < again[0].ideograms[0].marks[0].y); // nearer the p end
    QCOMPARE(again[1].ideograms[0].marks.size(), 1);
}

void TestCaseWindow::brokenCaseChangesNothing()
{
    CaseWindow w("trainee1");
    w.show();
    w.openCase(0);
    QFile::remove(QDir(cases_).filePath("b-mosaic/c2-1.bmp"));
    QVERIFY_THROWS_EXCEPTION(KorvenError, w.openCase(1));
    QCOMPARE(w.currentCase().name, QStringLiteral("a-trisomy"));
    QCOMPARE(w.stage(), CaseWindow::Stage::Counting);
}

void TestCaseWindow::damagedCaseAndRecordFileAreShown()
{
    // A case whose own karyotype cannot be read keeps its number but cannot be started.
    writeCase(cases_, "c-broken", "47,XY,+21,t(banana)", {{{"21"}}});
    const QString records = caseRecordPath(folder_->resultFolder(), "trainee1");
    QDir().mkpath(QFileInfo(records).absolutePath());
    CaseRecord r;
    r.date = QDate(2026, 12, 10);
    r.time = QTime(9, 0);
    r.caseName = "a-trisomy";
    r.countsGiven = r.countsTrue = {7};
    r.karyotype = "47,XY,+21";
    r.verdict = "right";
    writeBytes(records, caseRecordHeader().toUtf8() + "\r\n" + caseRecordLine(r).toUtf8() + "\r\n\xff\xfe garbage\r\n");
    CaseWindow w("trainee1");
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w, 60000));
    QCOMPARE(w.caseList->count(), 3);
    QVERIFY2(w.caseList->item(0)->text().endsWith("karyotype right"), qPrintable(w.caseList->item(0)->text())); // what could be read
    QCOMPARE(w.caseList->item(2)->text(), QStringLiteral("c-broken  (damaged)"));
    QVERIFY(!(w.caseList->item(2)->flags() & Qt::ItemIsEnabled));
    QVERIFY2(w.caseList->item(2)->toolTip().contains("cannot be read"), qPrintable(w.caseList->item(2)->toolTip()));
    QVERIFY_THROWS_EXCEPTION(KorvenError, w.openCase(2));
    QVERIFY(w.recordNote->isVisible());
    QVERIFY2(w.recordNote->text().contains("could not be read whole") && w.recordNote->text().contains("line 3"),
             qPrintable(w.recordNote->text()));
}

void TestCaseWindow::readOnlyLoginRecordsNoCase()
{
    QWidget exercise; // stands for the exercise window of a login without the ID's lock
    exercise.setProperty("readOnlyResults", true);
    CaseWindow w("trainee3", &exercise);
    w.setWindowFlag(Qt::Window);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w, 60000));
    QVERIFY2(w.recordNote->text().contains("no case result is recorded"), qPrintable(w.recordNote->text()));
    w.openCase(0);
    for (CasePieceWidget *piece : w.pieceWidgets())
        click(piece);
    QTest::mouseClick(w.confirmButton, Qt::LeftButton);
    QTest::keyClicks(w.karyotypeEdit, "47,XY,+21");
    QTest::mouseClick(w.evaluateButton, Qt::LeftButton);
    QCOMPARE(w.stage(), CaseWindow::Stage::Evaluated); // graded as ever
    QVERIFY(!QFileInfo::exists(caseRecordPath(folder_->resultFolder(), "trainee3")));
}

void TestCaseWindow::leavingWorkAsks()
{
    QStringList asked;
    bool answer = false;
    ui::setQuestionHook([&](const QString &text) {
        asked << text;
        return answer;
    });
    CaseWindow w("trainee1");
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto clickRow = [&](int row) {
        QListWidgetItem *item = w.caseList->item(row);
        QTest::mouseClick(w.caseList->viewport(), Qt::LeftButton, Qt::NoModifier,
                          w.caseList->visualItemRect(item).center());
    };
    clickRow(0);
    QCOMPARE(w.currentCase().name, QStringLiteral("a-trisomy"));
    QVERIFY(asked.isEmpty()); // nothing to lose yet
    click(w.pieceWidgets()[0]);
    click(w.pieceWidgets()[1]);
    // Kept: the case, its marks and the list's choice stay.
    clickRow(1);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(w.currentCase().name, QStringLiteral("a-trisomy"));
    QCOMPARE(w.markCount(), 2);
    QCOMPARE(w.caseList->currentRow(), 0);
    // Counted and arranged: closing the window asks too, and No keeps it open.
    QTest::mouseClick(w.confirmButton, Qt::LeftButton);
    dragToGroup(w, pieceWith(w, "X"), GroupX);
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QCOMPARE(pieceWith(w, "X")->group(), GroupX);
    // Evaluation with no karyotype asks; No grades nothing and writes no record.
    QTest::mouseClick(w.evaluateButton, Qt::LeftButton);
    QCOMPARE(asked.size(), 3);
    QCOMPARE(w.stage(), CaseWindow::Stage::Arranging);
    QVERIFY(!QFileInfo::exists(caseRecordPath(folder_->resultFolder(), "trainee1")));
    // Yes leaves it for the other case.
    answer = true;
    clickRow(1);
    QCOMPARE(w.currentCase().name, QStringLiteral("b-mosaic"));
    QCOMPARE(w.stage(), CaseWindow::Stage::Counting);
    ui::setQuestionHook({});
}

void TestCaseWindow::listKnowsCasesByFolder()
{
    writeCase(cases_, "case-14", "46,XX", {{{"X"}, {"X"}}});
    writeCase(cases_, "case-02", "46,XY", {{{"X"}, {"Y"}}});
    CaseWindow w("trainee1");
    QStringList shown;
    for (int i = 0; i < w.caseList->count(); ++i)
        shown << w.caseList->item(i)->text();
    QCOMPARE(shown, (QStringList{"Case 2", "Case 14", "a-trisomy", "b-mosaic"}));
    w.openCase(1);
    QCOMPARE(w.currentCase().name, QStringLiteral("case-14"));
    QVERIFY(w.stepLabel->text().startsWith("Case 14 (band level 550)"));
}

void TestCaseWindow::smallChromosomesReadable()
{
    // A cell in the painter's proportions: chromosome 1 300 pixels, a 21 60, a small derivative 50.
    writeCase(cases_, "c-small", "46,XY,t(9;22)(q34;q11.2)",
              {{{"1", 0, QSize(40, 300)}, {"1", 0, QSize(40, 300)}, {"9", 0, QSize(36, 200)},
                {"der(9)t(9;22)(q34;q11.2)", 0, QSize(36, 210)}, {"21", 0, QSize(24, 60)}, {"21", 0, QSize(24, 60)},
                {"22", 0, QSize(24, 66)}, {"der(22)t(9;22)(q34;q11.2)", 0, QSize(24, 50)}, {"X", 0, QSize(34, 190)},
                {"Y", 0, QSize(26, 70)}}});
    CaseWindow w("trainee1");
    w.resize(1280, 1000); // maximised on a 1280 x 1024 screen
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.openCase(2);
    QTest::mouseClick(w.confirmButton, Qt::LeftButton);
    for (CasePieceWidget *p : w.pieceWidgets())
        dragToGroup(w, p, homeGroups(w.currentCase().pieces[p->index()].identity).front());
    const std::vector<CasePieceWidget *> pieces = w.pieceWidgets();
    // Every piece placed: the spread gives way and the karyogram has the whole work area.
    QVERIFY(!w.spread->isVisible());
    QVERIFY2(w.karyogram->width() > w.width() * 2 / 3, qPrintable(QStringLiteral("%1 of %2").arg(w.karyogram->width()).arg(w.width())));
    int smallest = 1 << 30;
    for (CasePieceWidget *p : pieces)
        smallest = std::min(smallest, int(chromosomeHeight(p->source()) * p->shownScale())); // the chromosome drawn
    QVERIFY2(smallest >= 60, qPrintable(QString::number(smallest)));
}

void TestCaseWindow::openedFromExerciseWindowPausesTrial()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    // The fixture's own folder replaces this test's: give it the cases too.
    writeCase(QDir(fixture.folder.path()).filePath("Cases"), "a-trisomy", "47,XY,+21", {{{"21"}}});
    f->UserId = "trainee2";
    fixture.loadAndStart();
    QCOMPARE(f->ClockRunning, 1);
    QCOMPARE(f->CaseWork1->shortcut(), QKeySequence(Qt::Key_F9));
    QTest::keyClick(f, Qt::Key_F9);
    QCOMPARE(f->ClockRunning, 0);
    auto *w = qobject_cast<CaseWindow *>(f->CaseWork.data());
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QVERIFY(w->windowState() & Qt::WindowMaximized); // the karyogram wants all the room there is
    QCOMPARE(w->recordPath(), caseRecordPath(fixture.folder.resultFolder(), "trainee2"));
    QCOMPARE(w->caseList->count(), 1);
}

QTEST_MAIN(TestCaseWindow)
#include "test_case_window.moc"
