// Bundled cases worked through by mouse on the case window, as a trainee would: every chromosome
// marked, each cell counted, every piece of cell 1 turned upright and dragged into its group, the
// true karyotype typed, evaluated. Runs when the build has painted the bundled cases; with
// KORVEN_CASE_SHOTS set, each screen is saved there as a picture.
#include "support/window_fixture.h"

#include "program/program_folder.h"
#include "cases/case_grading.h"
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
    QTest::addColumn<QString>("name");
    QTest::newRow("trisomy") << "case-01";
    QTest::newRow("translocation") << "case-14";
    QTest::newRow("mosaic") << "case-11";
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
    const QString bundled = QStringLiteral(KORVEN_BINARY_DIR "/korven/Cases");
    if (!QFileInfo(bundled + "/" + name + "/case.txt").isFile())
        QSKIP("the bundled cases are made by the full build");
    QTemporaryDir data;
    qputenv("KORVEN_DATA", data.path().toUtf8());
    setProgramFolder(QStringLiteral(KORVEN_BINARY_DIR "/korven"));
    CaseWindow w("walker");
    w.resize(1280, 1000);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w, 60000));
    w.openCase(name.mid(5).toInt() - 1); // case-NN is number NN of the list
    QCOMPARE(w.currentCase().name, name);
    for (int cell = 1; cell <= w.currentCase().cellCount(); ++cell) {
        for (CasePieceWidget *p : w.pieceWidgets())
            QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, p->rect().center());
        if (cell == 1)
            shot(&w, name + "-1-count");
        QTest::mouseClick(w.confirmButton, Qt::LeftButton);
    }
    QCOMPARE(w.stage(), CaseWindow::Stage::Arranging);
    const std::vector<CasePieceWidget *> pieces = w.pieceWidgets();
    for (CasePieceWidget *p : pieces) {
        // Upright first: a right-click chooses it, the wheel turns it the short way round.
        const QPoint at = p->rect().center();
        QContextMenuEvent choose(QContextMenuEvent::Mouse, at, p->mapToGlobal(at));
        QApplication::sendEvent(p, &choose);
        const int back = p->step <= 12 ? -120 : 120;
        while (p->step != 0) {
            QWheelEvent wheel(QPointF(at), QPointF(p->mapToGlobal(at)), QPoint(), QPoint(0, back), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(p, &wheel);
        }
        const int group = homeGroups(w.currentCase().pieces[p->index()].identity).front();
        QWidget *target = w.karyogram->group(group);
        const QPoint press = p->rect().center();
        const QPoint to = p->mapFromGlobal(target->mapToGlobal(QPoint(3, 3)));
        QTest::mousePress(p, Qt::LeftButton, Qt::NoModifier, press);
        QTest::mouseMove(p, (press + to) / 2);
        QTest::mouseMove(p, to);
        QTest::mouseRelease(p, Qt::LeftButton, Qt::NoModifier, to);
        QCOMPARE(p->group, group);
    }
    shot(&w, name + "-2-arranged");
    QTest::keyClicks(w.karyotypeEdit, w.currentCase().karyotype);
    QVERIFY(w.formFault->text().isEmpty());
    QTest::mouseClick(w.evaluateButton, Qt::LeftButton);
    shot(&w, name + "-3-evaluated");
    QVERIFY2(w.scoreLine->text().endsWith("Karyotype: right"), qPrintable(w.scoreLine->text()));
    for (CasePieceWidget *p : pieces)
        QCOMPARE(p->gradeColour(), pieceGradeColour(PieceGrade::Right));
    QTest::mouseClick(w.answerButton, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(w.answerWindow, 60000));
    shot(w.answerWindow, name + "-4-answer");
    const CaseRecords records = readCaseRecords(w.recordPath());
    QCOMPARE(int(records.records.size()), 1);
    QVERIFY(records.records[0].countsRight());
    setProgramFolder(QString());
    qunsetenv("KORVEN_DATA");
}

QTEST_MAIN(TestCaseWalkthrough)
#include "test_case_walkthrough.moc"
