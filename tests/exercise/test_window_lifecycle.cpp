// The course of a trial in the exercise window: catalogue, loading, the buttons' states, the
// clock, Reset and Finish.
#include "analysis/ui/tpages_dlg.h"
#include "exercise/catalogue.h"
#include "files/errors.h"
#include "exercise/ui/tform1.h"
#include "exercise/ui/tform16.h"
#include "support/file_bytes.h"
#include "support/window_fixture.h"
#include "users/user_files.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QTest>

using korven::test::femaleProblem;
using korven::test::maleProblem;
using korven::test::WindowFixture;

namespace {

// Pieces showing a picture (a window just opened has its piece controls, without pictures).
int visiblePieces(TForm1 *f)
{
    int n = 0;
    for (PieceImage *p : f->PieceImages)
        n += p->isVisibleTo(f) && !p->picture().isNull() ? 1 : 0;
    return n;
}

void act(WindowFixture &fixture, const QString &action)
{
    TForm1 *f = fixture.form();
    if (action == QLatin1String("pick"))
        fixture.pick(0);
    else if (action == QLatin1String("next"))
        f->Button2Click();
    else if (action == QLatin1String("start"))
        f->Button4Click();
    else if (action == QLatin1String("reset"))
        f->New1Click();
    else if (action == QLatin1String("finish"))
        f->Button6Click();
    else if (action == QLatin1String("place"))
        fixture.placePiece(12, 13);
    else if (action == QLatin1String("evaluate"))
        f->Button1Click();
    else if (action == QLatin1String("answer"))
        f->Button5Click();
    else if (action == QLatin1String("break")) // the first problem loses a bitmap
        QFile::remove(QDir(fixture.folder.imagesFolder()).filePath(f->ListBox1->item(0)->text() + QStringLiteral("/5-2.bmp")));
    else
        qFatal("unknown action %s", qPrintable(action));
}

} // namespace

class TestWindowLifecycle : public QObject {
    Q_OBJECT
private slots:
    void catalogue();
    void loadFillsTheBoard();
    void magnification_data();
    void magnification();
    void states_data();
    void states();
    void resetEmptiesTheBoard();
    void clockCountsRunningPeriods();
    void timeLimit();
    void emptyCatalogue();
    void brokenProblem();
    void clickWithoutSelectionIsIgnored();
    void listHighlightsTheLoadedProblem_data();
    void listHighlightsTheLoadedProblem();
    void noTrialOnAnEmptyBoard_data();
    void noTrialOnAnEmptyBoard();
    void keyboardPickLoads();
    void enterPressesNext();
    void analysis();
};

void TestWindowLifecycle::catalogue()
{
    // Catalogue order, not folder order: no10 comes before no7. Unknown folders are left out.
    WindowFixture fixture({maleProblem(7), femaleProblem(10)});
    QDir(fixture.folder.imagesFolder()).mkdir(QStringLiteral("extra"));
    QDir(fixture.folder.imagesFolder()).mkdir(femaleProblem(11));
    TForm1 *f = fixture.form();
    f->buildCatalogue();
    QCOMPARE(f->ListBox1->count(), 2);
    QCOMPARE(f->ListBox1->item(0)->text(), femaleProblem(10));
    QCOMPARE(f->ListBox1->item(1)->text(), maleProblem(7));
    QCOMPARE(f->ListBox3->count(), 2);
    QCOMPARE(f->ListBox3->item(0)->text(), QStringLiteral("001"));
    QCOMPARE(f->ListBox3->item(1)->text(), QStringLiteral("002"));
    QCOMPARE(f->ProblemOrder[0], 0);
    QCOMPARE(f->ProblemOrder[1], 1);
    QCOMPARE(f->ProblemOrder[2], -1);
    QCOMPARE(f->ProblemOrder[499], -1);

    fixture.pick(1);
    QCOMPARE(f->ProblemPosition, 1);
    QCOMPARE(f->ListBox1->currentRow(), 1);
    QCOMPARE(f->ListBox3->currentRow(), 1);
}

void TestWindowLifecycle::loadFillsTheBoard()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.pick(0);
    QVERIFY(fixture.errors().isEmpty());
    QCOMPARE(f->ListBox2->count(), 46);
    QCOMPARE(f->TallestPieceHeight, 64);
    QVERIFY(f->FitScale > 0.0f);
    QCOMPARE(f->SourceBitmaps[45].size(), korven::test::defaultPieceSize(45));
    QCOMPARE(visiblePieces(f), 46);
    for (int k = 0; k < TForm1::PieceCount; ++k) {
        PieceImage *p = f->PieceImages[k];
        QCOMPARE(p->parentWidget(), f->InputPanel);
        QVERIFY(!p->automaticDrag);
        QVERIFY2(f->PieceRotation[k] >= 0 && f->PieceRotation[k] <= 22, qPrintable(QString::number(k)));
        QVERIFY(!p->picture().isNull());
        QCOMPARE(p->size(), p->picture().size());
        // Scattered wholly inside the panel, 10 pixels to spare at the right and bottom.
        QVERIFY(p->x() >= 0 && p->y() >= 0);
        QVERIFY(p->geometry().right() < f->InputPanel->width() - 10);
        QVERIFY(p->geometry().bottom() < f->InputPanel->height() - 10);
    }
    // Scaled to fit the rows: the tallest piece upright fits a slot's height.
    QVERIFY(int(64 * f->Magnification) <= f->RowPanels[0]->height() - 4);
}

void TestWindowLifecycle::magnification_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("trackBar");
    QTest::addColumn<int>("trackBarAfter");
    QTest::addColumn<double>("factor");
    QTest::newRow("mode 1 uses the track bar") << 1 << 13 << 13 << 1.3 * 0.9;
    QTest::newRow("mode 1 at 7") << 1 << 7 << 7 << 0.7 * 0.9;
    QTest::newRow("mode 0 moves the track bar to 10") << 0 << 13 << 10 << 0.9;
}

void TestWindowLifecycle::magnification()
{
    QFETCH(int, mode);
    QFETCH(int, trackBar);
    QFETCH(int, trackBarAfter);
    QFETCH(double, factor);
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    PagesDlg->TrackBar1->setValue(trackBar);
    f->MagnificationMode = mode;
    fixture.pick(0);
    QCOMPARE(PagesDlg->TrackBar1->value(), trackBarAfter);
    QVERIFY(qAbs(f->Magnification - factor * f->FitScale) < 1e-5);
}

void TestWindowLifecycle::states_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<bool>("evaluation");
    QTest::addColumn<bool>("start");
    QTest::addColumn<QString>("startCaption");
    QTest::addColumn<bool>("finish");
    QTest::addColumn<bool>("analysis");
    QTest::addColumn<int>("clockRunning");
    QTest::addColumn<bool>("timer");
    QTest::addColumn<int>("movable");
    QTest::addColumn<int>("shownPieces");
    QTest::addColumn<bool>("draggable");

    // Correct answer is off in every row; Next and the problem list are always on.
    QTest::newRow("window just opened") << QStringList{} << false << false << "Start" << false << true
                                        << 0 << true << 0 << 0 << false;
    QTest::newRow("ready") << QStringList{"pick"} << false << true << "Start" << false << true
                           << 0 << false << 0 << 46 << false;
    QTest::newRow("running") << QStringList{"pick", "start"} << true << true << "Pause" << false << false
                             << 1 << true << 1 << 46 << true;
    QTest::newRow("paused") << QStringList{"pick", "start", "start"} << true << true << "Restart" << false
                            << false << 0 << false << 0 << 46 << false;
    QTest::newRow("restarted") << QStringList{"pick", "start", "start", "start"} << true << true << "Pause"
                               << false << false << 1 << true << 1 << 46 << true;
    // Next abandons a running trial; the flag for turning keeps its value, the pieces are frozen.
    QTest::newRow("next while running") << QStringList{"pick", "start", "next"} << false << true << "Start"
                                        << false << true << 0 << false << 1 << 46 << false;
    QTest::newRow("pick while running") << QStringList{"pick", "start", "pick"} << false << true << "Start"
                                        << false << true << 0 << false << 0 << 46 << false;
    // Reset leaves nothing to start or evaluate; the other enabled states stay.
    QTest::newRow("reset while running") << QStringList{"pick", "start", "reset"} << false << false << "Start"
                                         << false << false << 0 << false << 1 << 0 << true;
    QTest::newRow("next after reset") << QStringList{"pick", "start", "reset", "next"} << false << true
                                      << "Start" << false << true << 0 << false << 1 << 46 << false;
    QTest::newRow("finish") << QStringList{"pick", "start", "place", "finish"} << false << false << "Start"
                            << false << true << 0 << false << 1 << 0 << true;
    QTest::newRow("ready after finish") << QStringList{"pick", "start", "finish", "next"} << false << true
                                        << "Start" << false << true << 0 << false << 1 << 46 << false;
}

void TestWindowLifecycle::states()
{
    QFETCH(QStringList, actions);
    QFETCH(bool, evaluation);
    QFETCH(bool, start);
    QFETCH(QString, startCaption);
    QFETCH(bool, finish);
    QFETCH(bool, analysis);
    QFETCH(int, clockRunning);
    QFETCH(bool, timer);
    QFETCH(int, movable);
    QFETCH(int, shownPieces);
    QFETCH(bool, draggable);

    WindowFixture fixture;
    TForm1 *f = fixture.form();
    for (const QString &a : actions)
        act(fixture, a);
    QVERIFY(fixture.errors().isEmpty());

    QVERIFY(f->Button2->isEnabled());
    QVERIFY(f->ListBox3->isEnabled());
    QVERIFY(f->ListBox1->isEnabled());
    QCOMPARE(f->Button2->text(), QStringLiteral("Next"));
    QCOMPARE(f->Button1->isEnabled(), evaluation);
    QCOMPARE(f->Button1->text(), QStringLiteral("Evaluation"));
    QCOMPARE(f->Button4->isEnabled(), start);
    QCOMPARE(f->Button4->text(), startCaption);
    QVERIFY(!f->Button5->isEnabled());
    QCOMPARE(f->Button5->text(), QStringLiteral("Correct answer"));
    QCOMPARE(f->Button6->isEnabled(), finish);
    QCOMPARE(f->Button3->isEnabled(), analysis);
    QCOMPARE(f->ClockRunning, clockRunning);
    QCOMPARE(f->Timer1->isActive(), timer);
    QCOMPARE(f->PiecesMovable, movable);
    QCOMPARE(visiblePieces(f), shownPieces);
    for (PieceImage *p : f->PieceImages)
        QCOMPARE(p->automaticDrag, draggable);
    if (!actions.isEmpty()) {
        QCOMPARE(f->ElapsedSeconds, 0);
        QCOMPARE(f->Label58->text(), QStringLiteral("0"));
        QCOMPARE(f->EvaluationCount, 0);
    }
    for (int s = 0; s < TForm1::SlotCount; ++s)
        QCOMPARE(f->SlotContent[s], -1);
    if (actions.endsWith(QStringLiteral("finish"))) {
        QVERIFY(f->ListBox3->selectedItems().isEmpty());
        for (PieceImage *p : f->PieceImages)
            QCOMPARE(p->parentWidget(), f->InputPanel);
        QCOMPARE(f->SlotLabels[13]->text(), QStringLiteral("7"));
        QCOMPARE(f->SlotLabels[44]->text(), QStringLiteral("X"));
        QCOMPARE(f->SlotLabels[45]->text(), QStringLiteral("XY"));
    }
}

void TestWindowLifecycle::resetEmptiesTheBoard()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    fixture.placePiece(44, 45);
    QCOMPARE(f->SlotContent[45], 44);
    for (int i = 0; i < 7; ++i)
        f->Timer1Timer();
    QCOMPARE(f->Label58->text(), QStringLiteral("7"));

    f->New1Click();
    QCOMPARE(visiblePieces(f), 0);
    QCOMPARE(f->SlotContent[45], -1);
    QCOMPARE(f->SlotLabels[44]->text(), QStringLiteral("X"));
    QCOMPARE(f->SlotLabels[45]->text(), QStringLiteral("XY"));
    QCOMPARE(f->SlotLabels[43]->text(), QStringLiteral("22"));
    QCOMPARE(f->ElapsedSeconds, 0);
    QCOMPARE(f->Label58->text(), QStringLiteral("0"));
    QVERIFY(!f->Timer1->isActive());
    QCOMPARE(f->Button4->text(), QStringLiteral("Start"));
}

void TestWindowLifecycle::clockCountsRunningPeriods()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.pick(0);
    f->Button4Click(); // Start
    QVERIFY(f->Timer1->isActive());
    QCOMPARE(f->Timer1->interval(), 1000);
    for (int i = 0; i < 3; ++i)
        f->Timer1Timer();
    QCOMPARE(f->Label58->text(), QStringLiteral("3"));
    f->Button4Click(); // Pause
    QVERIFY(!f->Timer1->isActive());
    QCOMPARE(f->ElapsedSeconds, 3);
    QCOMPARE(f->Label58->text(), QStringLiteral("3"));
    f->Button4Click(); // Restart: counting goes on from 3
    for (int i = 0; i < 2; ++i)
        f->Timer1Timer();
    QCOMPARE(f->ElapsedSeconds, 5);
    QCOMPARE(f->Label58->text(), QStringLiteral("5"));

    // While the count is hidden the ticks still count.
    f->ShowElapsed = 0;
    f->Timer1Timer();
    QCOMPARE(f->ElapsedSeconds, 6);
    QCOMPARE(f->Label58->text(), QStringLiteral("5"));
}

void TestWindowLifecycle::timeLimit()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    f->ElapsedSeconds = 9998;
    f->Timer1Timer();
    QCOMPARE(f->Label57->text(), QStringLiteral("Time:"));
    QCOMPARE(f->Label58->text(), QStringLiteral("9999"));
    QCOMPARE(f->Label1->text(), QStringLiteral("Sec"));

    for (int tick = 0; tick < 2; ++tick) {
        f->Timer1Timer();
        QCOMPARE(f->Label57->text(), QStringLiteral("タイムオーバー"));
        QCOMPARE(f->Label58->text(), QString());
        QCOMPARE(f->Label1->text(), QString());
    }
    QCOMPARE(f->ElapsedSeconds, 10001);
    QVERIFY(f->Timer1->isActive());

    // A new problem rewrites only the seconds.
    f->Button2Click();
    QCOMPARE(f->Label58->text(), QStringLiteral("0"));
    QCOMPARE(f->Label57->text(), QStringLiteral("タイムオーバー"));
    QCOMPARE(f->Label1->text(), QString());
}

void TestWindowLifecycle::emptyCatalogue()
{
    WindowFixture fixture(QStringList{});
    TForm1 *f = fixture.form();
    QCOMPARE(f->ListBox3->count(), 0);
    QVERIFY_THROWS_EXCEPTION(korven::KorvenError, f->Button2Click());
    QCOMPARE(visiblePieces(f), 0);
    QCOMPARE(f->SlotLabels[45]->text(), QStringLiteral("XY"));
}

void TestWindowLifecycle::brokenProblem()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    const QString name = femaleProblem(10);
    QVERIFY(QFile::remove(QDir(fixture.folder.imagesFolder()).filePath(name + QStringLiteral("/5-2.bmp"))));
    f->ListBox3->setCurrentRow(0);
    try {
        f->ListBox3Click();
        QFAIL("loading a problem without 5-2.bmp succeeded");
    } catch (const korven::KorvenError &e) {
        QVERIFY2(e.message().contains(QStringLiteral("5-2.bmp")), qPrintable(e.message()));
    }
    // What was read before the fault stays.
    QCOMPARE(f->ListBox2->count(), 46);
    QVERIFY(!f->SourceBitmaps[8].isNull());
    QVERIFY(f->SourceBitmaps[9].isNull());
    // Nothing of it is shown and no trial can start on it.
    QCOMPARE(visiblePieces(f), 0);
    QVERIFY(!f->Button4->isEnabled());
}

void TestWindowLifecycle::clickWithoutSelectionIsIgnored()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    f->ListBox3->clearSelection();
    f->ListBox3Click();
    QCOMPARE(f->ClockRunning, 1);
    QCOMPARE(f->PiecesMovable, 1);
    QCOMPARE(f->Button4->text(), QStringLiteral("Pause"));
    QVERIFY(fixture.errors().isEmpty());
}

void TestWindowLifecycle::listHighlightsTheLoadedProblem_data()
{
    QTest::addColumn<int>("releaseRow"); // -1: off the list
    QTest::addColumn<int>("loaded");
    QTest::newRow("click on a number") << 1 << 1;
    QTest::newRow("released on another number") << 2 << 0;
    QTest::newRow("released off the list") << -1 << 0;
}

void TestWindowLifecycle::listHighlightsTheLoadedProblem()
{
    QFETCH(int, releaseRow);
    QFETCH(int, loaded);
    WindowFixture fixture({femaleProblem(10), maleProblem(7), maleProblem(20)});
    TForm1 *f = fixture.form();
    fixture.loadAndStart(0);

    // Press on number 002, move, let go.
    QListWidget *list = f->ListBox3;
    const QPoint press = list->visualItemRect(list->item(1)).center();
    const QPoint release = releaseRow >= 0 ? list->visualItemRect(list->item(releaseRow)).center()
                                           : QPoint(-40, press.y());
    QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, press);
    QTest::mouseMove(list->viewport(), release);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, release);

    QCOMPARE(f->ProblemPosition, loaded);
    QCOMPARE(list->currentRow(), loaded);
    QCOMPARE(list->selectedItems(), QList<QListWidgetItem *>{list->item(loaded)});
    // A gesture that loads nothing leaves the trial running.
    QCOMPARE(f->ClockRunning, loaded == 0 ? 1 : 0);
    QVERIFY(fixture.errors().isEmpty());
}

void TestWindowLifecycle::noTrialOnAnEmptyBoard_data()
{
    QTest::addColumn<QStringList>("problems");
    QTest::addColumn<QStringList>("actions");
    QTest::newRow("no problem folders") << QStringList{} << QStringList{"next"};
    QTest::newRow("failed load") << QStringList{femaleProblem(10)} << QStringList{"pick", "start", "break", "pick"};
    QTest::newRow("failed load with the answer shown")
        << QStringList{femaleProblem(10)} << QStringList{"pick", "start", "evaluate", "answer", "break", "pick"};
    QTest::newRow("reset while running") << QStringList{femaleProblem(10)} << QStringList{"pick", "start", "reset"};
    QTest::newRow("reset while paused")
        << QStringList{femaleProblem(10)} << QStringList{"pick", "start", "start", "reset"};
    QTest::newRow("reset after evaluation")
        << QStringList{femaleProblem(10)} << QStringList{"pick", "start", "evaluate", "reset"};
}

void TestWindowLifecycle::noTrialOnAnEmptyBoard()
{
    QFETCH(QStringList, problems);
    QFETCH(QStringList, actions);
    WindowFixture fixture(problems);
    TForm1 *f = fixture.form();
    f->UserId = QStringLiteral("trainee");
    QVERIFY(QDir().mkpath(korven::userFolder(fixture.folder.resultFolder(), f->UserId)));
    const QString records = korven::recordPath(fixture.folder.resultFolder(), f->UserId);
    for (const QString &a : actions) {
        try {
            act(fixture, a);
        } catch (const korven::KorvenError &) {
            // the failed load of this row
        }
    }

    QCOMPARE(visiblePieces(f), 0);
    QVERIFY(!(Form16 && Form16->isVisible()));
    QVERIFY(f->ListBox3->selectedItems().isEmpty());
    QVERIFY(!f->Button4->isEnabled());
    QVERIFY(!f->Button1->isEnabled());
    QVERIFY(!f->Button5->isEnabled());

    // Start, then Evaluation, with the mouse: no trial is recorded.
    const QByteArray before = korven::test::readBytes(records);
    const QString caption = f->Button1->text();
    QTest::mouseClick(f->Button4, Qt::LeftButton);
    QTest::mouseClick(f->Button1, Qt::LeftButton);
    QCOMPARE(f->ClockRunning, 0);
    QCOMPARE(f->Button1->text(), caption);
    QCOMPARE(korven::test::readBytes(records), before);
}

void TestWindowLifecycle::keyboardPickLoads()
{
    // Moving through the problem list with the arrow keys loads the number it stops on.
    WindowFixture fixture({femaleProblem(10), maleProblem(20)});
    TForm1 *f = fixture.form();
    fixture.pick(0);
    QCOMPARE(f->ProblemPosition, 0);
    f->ListBox3->setFocus();
    QTest::keyClick(f->ListBox3, Qt::Key_Down);
    QCOMPARE(f->ProblemPosition, 1);
    QCOMPARE(f->ListBox1->currentItem()->text(), maleProblem(20));
    QCOMPARE(visiblePieces(f), 46);
    QVERIFY(fixture.errors().isEmpty());
}

void TestWindowLifecycle::enterPressesNext()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    QVERIFY(QTest::qWaitForWindowActive(f, 60000));
    f->ListBox3->setFocus();
    QTest::keyClick(f->ListBox3, Qt::Key_Return);
    QCOMPARE(visiblePieces(f), 46);
    QVERIFY(f->Button4->isEnabled());
    QCOMPARE(f->ClockRunning, 0);

    // A focused button takes Enter itself.
    f->Button4->setFocus();
    QTest::keyClick(f->Button4, Qt::Key_Return);
    QCOMPARE(f->ClockRunning, 1);
    QCOMPARE(f->Button4->text(), QStringLiteral("Pause"));
}

void TestWindowLifecycle::analysis()
{
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    f->Button5->setEnabled(true);
    Form16->show();
    f->Analysis1Click();
    QVERIFY(!Form16->isVisible());
    QVERIFY(f->Button5->isEnabled());
    QCOMPARE(fixture.modals, QStringList{QStringLiteral("OKBottomDlg")});

    Form16->show();
    f->Button3Click();
    QVERIFY(!Form16->isVisible());
    QVERIFY(!f->Button5->isEnabled());
    QCOMPARE(fixture.modals.size(), 2);
}

QTEST_MAIN(TestWindowLifecycle)
#include "test_window_lifecycle.moc"
