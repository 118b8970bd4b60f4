// One trial from end to end with the mouse and keyboard: Next, Start, reference mode on, a piece
// turned with the wheel, every piece dragged into a slot (two swapped, one left out), Evaluation;
// then the marks on the board and the record on disk.
#include "analysis/ui/tpages_dlg.h"
#include "exercise/ui/tform1.h"
#include "support/window_fixture.h"
#include "users/trial_records.h"
#include "users/user_files.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTest>

using namespace korven;
using korven::test::WindowFixture;

class TestGradingTrial : public QObject {
    Q_OBJECT
private slots:
    void trialByMouse();
};

void TestGradingTrial::trialByMouse()
{
    WindowFixture fx({test::maleProblem(20)});
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan)); // a short date without blanks
    TForm1 *f = fx.form();
    const QString id = QStringLiteral("trainee1");
    const QString records = recordPath(fx.folder.resultFolder(), id);
    QVERIFY(QDir().mkpath(userFolder(fx.folder.resultFolder(), id)));
    QFile file(records);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(trialRecordFileStart());
    file.close();
    f->UserId = id;

    QTest::mouseClick(f->Button2, Qt::LeftButton); // Next
    QCOMPARE(f->ListBox3->currentRow(), 0);
    QTest::mouseClick(f->Button4, Qt::LeftButton); // Start
    QVERIFY(f->Timer1->isActive());
    QTest::keyClick(f, Qt::Key_F4);
    QVERIFY(f->N1->isChecked());

    // Piece 2 (a chromosome 2) turned upside down with the wheel, placed as it is.
    PagesDlg->AnswerMode->setChecked(false);
    fx.chooseForTurning(2);
    for (int i = 0; i < 24 && f->PieceRotation[2] != 12; ++i)
        fx.turnWheel(1);
    QCOMPARE(f->PieceRotation[2], 12);
    fx.dragPieceToSlot(2, 2);
    QCOMPARE(f->SlotContent[2], 2);
    QCOMPARE(f->SlotLabels[2]->text(), QStringLiteral("2  2"));

    // The rest upright; chromosomes 4 and 6 swapped, piece 6 left on the work area.
    PagesDlg->AnswerMode->setChecked(true);
    for (int k = 0; k < 46; ++k) {
        if (k == 2 || k == 6)
            continue;
        const int slot = k == 7 ? 10 : k == 10 ? 7 : k;
        fx.dragPieceToSlot(k, slot);
        QCOMPARE(f->SlotContent[slot], k);
    }
    QCOMPARE(f->SlotLabels[7]->text(), QStringLiteral("4  6"));
    QCOMPARE(f->SlotLabels[45]->text(), QStringLiteral("XY  Y"));
    QCOMPARE(f->SlotLabels[6]->text(), QStringLiteral("4"));

    QTest::mouseClick(f->Button1, Qt::LeftButton); // Evaluation
    QCOMPARE(f->Button1->text(), QStringLiteral("Score: 42/46\n Are these corrected?"));
    QCOMPARE(f->SlotLabels[7]->text(), QStringLiteral("4×6"));
    QCOMPARE(f->SlotLabels[10]->text(), QStringLiteral("6×4"));
    QCOMPARE(f->SlotLabels[45]->text(), QStringLiteral("Y"));
    QCOMPARE(f->SlotPanels[2]->palette().color(QPalette::Window), QColor(204, 255, 102));
    QCOMPARE(f->SlotPanels[6]->palette().color(QPalette::Window), QColor(255, 102, 0));
    QCOMPARE(f->SlotPanels[44]->palette().color(QPalette::Window), QColor(102, 255, 255));
    QVERIFY(!f->PieceImages[0]->automaticDrag);

    // The clock stopped at the evaluation: its timer no longer runs, so the answer time stays.
    const int answerTime = f->ElapsedSeconds;
    QVERIFY(!f->Timer1->isActive());
    QCoreApplication::processEvents();
    QCOMPARE(f->ElapsedSeconds, answerTime);

    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    QCOMPARE(lines.size(), 3); // header, one record, and nothing after the last line end
    QVERIFY(lines[2].isEmpty());
    QStringList expected{QStringLiteral("0"), recordDateText(QDate::currentDate()), QStringLiteral("001")};
    for (int s = 0; s < 46; ++s) {
        const int result = s == 2 ? -2 : s == 6 ? -1 : (s == 7 || s == 10) ? 0 : 1;
        expected << QString::number(result);
    }
    expected << QString::number(answerTime);
    QCOMPARE(QString::fromLatin1(lines[1]).chopped(1).split(u','), expected);
    QVERIFY(fx.errors().isEmpty());
}

QTEST_MAIN(TestGradingTrial)
#include "test_grading_trial.moc"
