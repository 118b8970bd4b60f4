// Bundled cases worked through by mouse on the case window, as a trainee would: every chromosome
// marked, each cell counted, every piece of cell 1 turned upright and dragged into its group, the
// true karyotype typed, evaluated; the smallest chromosome's height and the wheel notches taken
// are printed. Runs when the build has painted the bundled cases; with
// KORVEN_CASE_SHOTS set, each screen is saved there as a picture.
#include "support/drop_at.h"
#include "support/window_fixture.h"

#include "program/program_folder.h"
#include "cases/case_grading.h"
#include "cases/case_layout.h"
#include "cases/case_records.h"
#include "cases/ui/case_window.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QTest>

using namespace korven;

class TestCaseWalkthrough : public QObject {
    Q_OBJECT
private slots:
    void workCase_data();
    void workCase();
};

void TestCaseWalkthrough::workCase_data()
{
    // The window maximised on a 1280 x 1024 screen and on a 1366 x 768 one.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (const QSize &size : {QSize(1280, 1000), QSize(1366, 740)}) {
        QTest::addRow("trisomy %d", size.height()) << "case-01" << size;
        QTest::addRow("translocation %d", size.height()) << "case-14" << size;
        QTest::addRow("Philadelphia %d", size.height()) << "case-20" << size;
        QTest::addRow("mosaic %d", size.height()) << "case-11" << size;
    }
}

static void shot(QWidget *w, const QString &name)
{
    const QString folder = qEnvironmentVariable("KORVEN_CASE_SHOTS");
    if (!folder.isEmpty())
        w->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void TestCaseWalkthrough::workCase()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QString bundled = QStringLiteral(KORVEN_BINARY_DIR "/korven/Cases");
    if (!QFileInfo(bundled + "/" + name + "/case.txt").isFile())
        QSKIP("the bundled cases are made by the full build");
    QTemporaryDir data;
    qputenv("KORVEN_DATA", data.path().toUtf8());
    setProgramFolder(QStringLiteral(KORVEN_BINARY_DIR "/korven"));
    CaseWindow w("walker");
    w.resize(size);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w, 60000));
    w.openCase(name.mid(5).toInt() - 1); // case-NN is number NN of the list
    QCOMPARE(w.currentCase().name, name);
    for (int cell = 1; cell <= w.currentCase().cellCount(); ++cell) {
        for (CasePieceWidget *p : w.pieceWidgets())
            QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, p->rect().center());
        if (cell == 1)
            shot(&w, QStringLiteral("%1-%2-1-count").arg(name).arg(size.height()));
        QTest::mouseClick(w.confirmButton, Qt::LeftButton);
    }
    QCOMPARE(w.stage(), CaseWindow::Stage::Arranging);
    std::vector<int> indexes;
    for (CasePieceWidget *p : w.pieceWidgets())
        indexes.push_back(p->index());
    auto pieceAt = [&](int index) -> CasePieceWidget * {
        for (CasePieceWidget *p : w.pieceWidgets())
            if (p->index() == index)
                return p;
        return nullptr;
    };
    int notches = 0, turnOvers = 0;
    for (int index : indexes) {
        CasePieceWidget *p = pieceAt(index);
        // Upright first, the fewest moves: turned over when that is shorter, then the wheel the
        // short way round until within 45 degrees, which the drop sets upright.
        const QPoint at = p->rect().center();
        auto wheelDistance = [](int step) { return std::max(0, std::min(step, 24 - step) - 3); };
        if (wheelDistance(turnedOver(p->step(), CaseTurnSteps)) < wheelDistance(p->step())) {
            QTest::mouseDClick(p, Qt::LeftButton, Qt::NoModifier, at);
            ++turnOvers;
        }
        QContextMenuEvent choose(QContextMenuEvent::Mouse, at, p->mapToGlobal(at));
        QApplication::sendEvent(p, &choose);
        const int back = p->step() <= 12 ? -120 : 120;
        while (settledTurn(p->step(), CaseTurnSteps) != 0) {
            QWheelEvent wheel(QPointF(at), QPointF(p->mapToGlobal(at)), QPoint(), QPoint(0, back), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(p, &wheel);
            ++notches;
        }
        const int group = homeGroups(w.currentCase().pieces[p->index()].identity).front();
        QWidget *target = w.karyogram->group(group);
        const QPoint press = p->rect().center();
        const QPoint to = p->mapFromGlobal(target->mapToGlobal(QPoint(3, 3)));
        {
            const test::DropAt drop(target, QPoint(3, 3));
            QTest::mousePress(p, Qt::LeftButton, Qt::NoModifier, press);
            QTest::mouseMove(p, (press + to) / 2);
            QTest::mouseMove(p, to);
            QTest::mouseRelease(p, Qt::LeftButton, Qt::NoModifier, to);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        p = pieceAt(index);
        QCOMPARE(p->group(), group);
        QCOMPARE(p->step(), 0);
    }
    const std::vector<CasePieceWidget *> pieces = w.pieceWidgets();
    // Every piece placed: the karyogram has the whole work area; the smallest chromosome is read.
    QVERIFY(!w.spread->isVisible());
    int smallest = 1 << 30;
    QString smallestName;
    for (CasePieceWidget *p : pieces) {
        // The chromosome as drawn, not the white round it in its bitmap.
        const int drawn = int(chromosomeHeight(p->source()) * p->shownScale());
        if (drawn < smallest) {
            smallest = drawn;
            smallestName = w.currentCase().pieces[p->index()].identity;
        }
    }
    qInfo("%s at %dx%d: smallest chromosome %d px (%s); %d wheel notches, %d turn-overs", qPrintable(name),
          size.width(), size.height(), smallest, qPrintable(smallestName), notches, turnOvers);
    if (size.height() >= 1000)
        QVERIFY2(smallest >= 60, qPrintable(QString::number(smallest)));
    shot(&w, QStringLiteral("%1-%2-2-arranged").arg(name).arg(size.height()));
    QTest::keyClicks(w.karyotypeEdit, w.currentCase().karyotype);
    QVERIFY(w.formFault->text().isEmpty());
    QTest::mouseClick(w.evaluateButton, Qt::LeftButton);
    shot(&w, QStringLiteral("%1-%2-3-evaluated").arg(name).arg(size.height()));
    QVERIFY2(w.scoreLine->text().endsWith("Karyotype: right"), qPrintable(w.scoreLine->text()));
    for (CasePieceWidget *p : pieces)
        QCOMPARE(p->gradeColour(), pieceGradeColour(PieceGrade::Right));
    QTest::mouseClick(w.answerButton, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(w.answerWindow, 60000));
    shot(w.answerWindow, QStringLiteral("%1-%2-4-answer").arg(name).arg(size.height()));
    const CaseRecords records = readCaseRecords(w.recordPath());
    QCOMPARE(int(records.records.size()), 1);
    QVERIFY(records.records[0].countsRight());
    setProgramFolder(QString());
    qunsetenv("KORVEN_DATA");
}

QTEST_MAIN(TestCaseWalkthrough)
#include "test_case_walkthrough.moc"
