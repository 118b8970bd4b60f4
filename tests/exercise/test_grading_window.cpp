// The Evaluation button on the exercise window (first evaluation, correction rounds, the record
// file), the correct-answer window, and reference mode switched from the menu. The board is set up
// directly: pieces are put into slots by hand, as a drop leaves them.
#include "analysis/ui/tpages_dlg.h"
#include "program/program_folder.h"
#include "forms/messages.h"
#include "forms/window_set.h"
#include "exercise/bitmap_transform.h"
#include "exercise/board_rules.h"
#include "exercise/catalogue.h"
#include "exercise/grading.h"
#include "exercise/ui/tform1.h"
#include "exercise/ui/tform16.h"
#include "users/trial_records.h"
#include "users/user_files.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTest>

using namespace korven;

namespace {

const QString UserName = QStringLiteral("trainee");

QColor slotColourOf(QWidget *slot)
{
    return slot->palette().color(QPalette::Window);
}

// The colour actually painted in the slot's lower right corner, away from its label and piece.
QColor paintedColourOf(QWidget *slot)
{
    return slot->grab().toImage().pixelColor(slot->width() - 4, slot->height() - 4);
}

// The lines of text painted on a button: bands of rows holding dark pixels inside its frame.
int paintedTextLines(QPushButton *button)
{
    const QImage image = button->grab().toImage();
    int lines = 0;
    bool inLine = false;
    for (int y = 3; y < image.height() - 3; ++y) {
        bool dark = false;
        for (int x = 3; x < image.width() - 3 && !dark; ++x)
            dark = qGray(image.pixel(x, y)) < 96;
        lines += dark && !inLine ? 1 : 0;
        inLine = dark;
    }
    return lines;
}

} // namespace

class TestGradingWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void captionsWrap_data();
    void captionsWrap();
    void allCorrectTrial();
    void marks_data();
    void marks();
    void correctionRounds();
    void recordNotWritten();
    void correctAnswer_data();
    void correctAnswer();
    void referenceModeToggle();
    void relabelOnPlacementAndRemoval();

private:
    QString recordFile() const { return recordPath(resultFolder(), UserName); }
    QStringList recordLines() const;
    // Loads a board: two problems in the list, the one at position 1 (number "002") being
    // female or male; ProblemOrder crosses them so that only the right lookup finds its sex.
    void setUpTrial(bool female);
    void place(int piece, int slot, int step = 0);

    QTemporaryDir folder_;
    QStringList errors_;
};

void TestGradingWindow::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QVERIFY(folder_.isValid());
    setProgramFolder(folder_.path());
    QVERIFY(QDir().mkpath(userFolder(resultFolder(), UserName)));
    ui::setMessageHook([this](const QString &kind, const QString &, const QString &text) {
        errors_ << kind + QLatin1Char(':') + text;
    });
    ui::setModalHook([](QDialog *) { return 0; });
    ui::createWindowSet();
    ui::createExerciseWindow();
    Form1->UserId = UserName;
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1, 60000));
}

void TestGradingWindow::init()
{
    QFile file(recordFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(trialRecordFileStart());
    file.close();
    errors_.clear();
    Form1->N1->setChecked(false);
    PagesDlg->Cheat->setChecked(false);
    if (Form16)
        Form16->close();
}

void TestGradingWindow::cleanupTestCase()
{
    ui::destroyWindowSet();
    ui::setMessageHook({});
    ui::setModalHook({});
}

QStringList TestGradingWindow::recordLines() const
{
    QFile file(recordFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TestGradingWindow::setUpTrial(bool female)
{
    TForm1 *f = Form1;
    f->ListBox1->clear();
    f->ListBox3->clear();
    f->ListBox1->addItem(female ? FemaleStem + QStringLiteral("10") : MaleStem + QStringLiteral("20"));
    f->ListBox1->addItem(female ? MaleStem + QStringLiteral("7") : FemaleStem + QStringLiteral("22"));
    f->ListBox3->addItems({QStringLiteral("001"), QStringLiteral("002")});
    f->ProblemOrder.fill(-1);
    f->ProblemOrder[0] = 1;
    f->ProblemOrder[1] = 0;
    f->ProblemPosition = 1;
    f->CurrentProblemName.clear();
    f->Magnification = 1.0f;

    f->ResetSlots();
    f->setSexSlotCaptions();
    f->returnPiecesToInputPanel();
    for (int k = 0; k < TForm1::PieceCount; ++k) {
        // Small upright chromosomes of varying size: white ground, a dark bar.
        QImage image(10 + k % 5, 20 + k, QImage::Format_RGB888);
        image.fill(Qt::white);
        for (int y = 2; y < image.height() - 2; ++y)
            for (int x = 3; x < image.width() - 3; ++x)
                image.setPixelColor(x, y, QColor(60, 40, 90));
        f->SourceBitmaps[k] = image;
        f->PieceRotation[k] = 0;
        f->PieceImages[k]->setPicture(image);
        f->PieceImages[k]->move(10 + 20 * (k % 23), 10 + 100 * (k / 23));
        f->PieceImages[k]->show();
    }

    // The Running state, 137 seconds into the trial.
    f->EvaluationCount = 0;
    f->LastScore = 0;
    f->Button1->setText(QStringLiteral("Evaluation"));
    f->Button1->setEnabled(true);
    f->Button2->setEnabled(true);
    f->Button3->setEnabled(false);
    f->Button4->setEnabled(true);
    f->Button4->setText(QStringLiteral("Pause"));
    f->Button5->setEnabled(false);
    f->Button5->setText(QStringLiteral("Correct answer"));
    f->Button6->setEnabled(false);
    f->ClockRunning = 1;
    f->ShowElapsed = 1;
    f->ElapsedSeconds = 137;
    f->Label58->setText(QStringLiteral("137"));
    f->PiecesMovable = 1;
    f->setPiecesDragMode(true);
    f->Timer1->start();
}

void TestGradingWindow::place(int piece, int slot, int step)
{
    TForm1 *f = Form1;
    PieceImage *image = f->PieceImages[piece];
    image->setParent(f->SlotPanels[slot]);
    image->move(4, 10);
    image->show();
    f->SlotContent[slot] = piece;
    f->PieceRotation[piece] = step;
}

void TestGradingWindow::captionsWrap_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Evaluation") << QStringLiteral("Button1");
    QTest::newRow("Correct answer") << QStringLiteral("Button5");
}

// The two half-width buttons wrap a caption too wide for them at word boundaries from the moment
// the window exists, before any press.
void TestGradingWindow::captionsWrap()
{
    QFETCH(QString, button);
    TForm1 fresh;
    fresh.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fresh, 60000));
    auto *b = fresh.findChild<QPushButton *>(button);
    QVERIFY(b);
    b->setEnabled(true);
    b->setText(QStringLiteral("Correct answer"));
    // As laid out the button is narrower than the caption; keep it so whatever the screen.
    b->resize(qMin(b->width(), b->fontMetrics().horizontalAdvance(b->text()) * 3 / 4), b->height());
    QCOMPARE(paintedTextLines(b), 2);
}

void TestGradingWindow::allCorrectTrial()
{
    setUpTrial(false);
    for (int k = 0; k < 46; ++k)
        place(k, k);
    Form1->Button1Click();

    QCOMPARE(Form1->Button1->text(), QStringLiteral("Score: 46/46\n Are these corrected?"));
    QCOMPARE(Form1->LastScore, 46);
    QCOMPARE(Form1->EvaluationCount, 1);
    QVERIFY(Form1->CurrentProblemName.contains(QStringLiteral("男")));
    for (int s = 0; s < 46; ++s) {
        QCOMPARE(slotColourOf(Form1->SlotPanels[s]), QColor(102, 255, 255));
        QCOMPARE(Form1->SlotLabels[s]->text(), s < 44 ? QString::number(s / 2 + 1)
                                                      : QString::fromLatin1(s == 44 ? "X" : "Y"));
    }
    QCOMPARE(paintedColourOf(Form1->SlotPanels[0]), QColor(102, 255, 255));
    QCOMPARE(paintedColourOf(Form1->SlotPanels[45]), QColor(102, 255, 255));

    // The Evaluated state: clock stopped, pieces frozen, only Start and Finish off.
    QVERIFY(!Form1->Timer1->isActive());
    QCOMPARE(Form1->ShowElapsed, 0);
    QCOMPARE(Form1->PiecesMovable, 0);
    for (PieceImage *piece : Form1->PieceImages)
        QVERIFY(!piece->automaticDrag);
    QVERIFY(Form1->Button1->isEnabled());
    QVERIFY(Form1->Button2->isEnabled());
    QVERIFY(Form1->Button3->isEnabled());
    QVERIFY(!Form1->Button4->isEnabled());
    QCOMPARE(Form1->Button4->text(), QStringLiteral("Start"));
    QVERIFY(Form1->Button5->isEnabled());
    QVERIFY(!Form1->Button6->isEnabled());

    const QStringList lines = recordLines();
    QCOMPARE(lines.size(), 2);
    QStringList expected{QStringLiteral("0"), recordDateText(QDate::currentDate()), QStringLiteral("002")};
    for (int s = 0; s < 46; ++s)
        expected << QStringLiteral("1");
    expected << QStringLiteral("137");
    QCOMPARE(lines[1].split(u','), expected);
    QVERIFY(errors_.isEmpty());
}

void TestGradingWindow::marks_data()
{
    QTest::addColumn<bool>("female");
    QTest::addColumn<bool>("reference");
    QTest::addColumn<QStringList>("labels"); // slots 0, 2, 3, 4, 44, 45
    QTest::addColumn<int>("sexSlotResult");  // slots 44 and 45

    const QString times = QStringLiteral("×");
    QTest::newRow("male, reference on")
        << false << true
        << QStringList{"1", "2", "2", "3" + times + "6", "X " + times + " Y", "Y " + times + " X"} << ResultWrong;
    QTest::newRow("male, reference off")
        << false << false << QStringList{"1", "2", "2", "3", "X", "XY"} << ResultWrong;
    QTest::newRow("female, reference on")
        << true << true << QStringList{"1", "2", "2", "3" + times + "6", "X", "X"} << ResultRight;
}

void TestGradingWindow::marks()
{
    QFETCH(bool, female);
    QFETCH(bool, reference);
    QFETCH(QStringList, labels);
    QFETCH(int, sexSlotResult);

    setUpTrial(female);
    place(3, 2, 12);  // chromosome 2 upside down
    place(2, 3, 21);  // chromosome 2 just inside the accepted turn
    place(10, 4);     // chromosome 6 in a slot of pair 3
    place(45, 44);    // the sex chromosomes swapped
    place(44, 45);
    // The marks follow the settings tick, not the menu item.
    PagesDlg->Cheat->setChecked(reference);
    Form1->N1->setChecked(!reference);
    Form1->Button1Click();

    const int shown[] = {0, 2, 3, 4, 44, 45};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(Form1->SlotLabels[shown[i]]->text(), labels[i]);
    QCOMPARE(slotColourOf(Form1->SlotPanels[0]), QColor(255, 102, 0));
    QCOMPARE(slotColourOf(Form1->SlotPanels[2]), QColor(204, 255, 102));
    QCOMPARE(slotColourOf(Form1->SlotPanels[3]), QColor(102, 255, 255));
    QCOMPARE(slotColourOf(Form1->SlotPanels[4]), QColor(255, 102, 0));
    QCOMPARE(paintedColourOf(Form1->SlotPanels[2]), QColor(204, 255, 102));
    QCOMPARE(slotColourOf(Form1->SlotPanels[44]), slotColour(sexSlotResult));

    const int score = 1 + (sexSlotResult == ResultRight ? 2 : 0);
    QCOMPARE(Form1->Button1->text(), firstEvaluationCaption(score));
    const QStringList fields = recordLines().value(1).split(u',');
    QCOMPARE(fields.size(), 50);
    QCOMPARE(fields[3 + 0], QStringLiteral("-1"));
    QCOMPARE(fields[3 + 2], QStringLiteral("-2"));
    QCOMPARE(fields[3 + 3], QStringLiteral("1"));
    QCOMPARE(fields[3 + 4], QStringLiteral("0"));
    QCOMPARE(fields[3 + 44], QString::number(sexSlotResult));
    QCOMPARE(fields[3 + 45], QString::number(sexSlotResult));
}

void TestGradingWindow::correctionRounds()
{
    setUpTrial(false);
    place(0, 0);
    place(10, 4);
    Form1->Button1Click();
    const QStringList afterFirst = recordLines();
    QCOMPARE(afterFirst.size(), 2);

    // The first correction round shows the same marks and lets the pieces move again.
    Form1->Button1Click();
    QCOMPARE(Form1->Button1->text(), QStringLiteral("Score: 1/46\n Under correction\n (1 times)"));
    QCOMPARE(Form1->PiecesMovable, 1);
    QCOMPARE(Form1->ShowElapsed, 1);
    for (PieceImage *piece : Form1->PieceImages)
        QVERIFY(piece->automaticDrag);
    QCOMPARE(slotColourOf(Form1->SlotPanels[4]), QColor(255, 102, 0));

    // The trainee swaps the wrong piece for a right one; colours change only at the next press.
    Form1->returnPiecesToInputPanel();
    Form1->SlotContent[4] = -1;
    place(5, 4);
    place(0, 0);
    QCOMPARE(slotColourOf(Form1->SlotPanels[4]), QColor(255, 102, 0));
    Form1->Button1Click();
    QCOMPARE(Form1->Button1->text(), QStringLiteral("Score: 1/46\n Under correction\n (2 times)"));
    QCOMPARE(slotColourOf(Form1->SlotPanels[4]), QColor(102, 255, 255));
    QCOMPARE(Form1->EvaluationCount, 3);
    QCOMPARE(Form1->LastScore, 1);

    // Still one record, that of the first evaluation; clock and buttons as the first left them.
    QCOMPARE(recordLines(), afterFirst);
    QVERIFY(!Form1->Timer1->isActive());
    QCOMPARE(Form1->Label58->text(), QStringLiteral("137"));
    QVERIFY(!Form1->Button4->isEnabled());
    QVERIFY(Form1->Button5->isEnabled());
    QVERIFY(!Form1->Button6->isEnabled());
}

void TestGradingWindow::recordNotWritten()
{
    setUpTrial(true);
    place(1, 0);
    QVERIFY(QFile::remove(recordFile()));
    Form1->Button1Click();

    QCOMPARE(errors_.size(), 1);
    QVERIFY2(errors_[0].startsWith(QStringLiteral("error:")), qPrintable(errors_[0]));
    QVERIFY2(errors_[0].contains(QStringLiteral("not recorded")), qPrintable(errors_[0]));
    QVERIFY2(errors_[0].contains(QDir::toNativeSeparators(recordFile())), qPrintable(errors_[0]));
    QVERIFY(!QFile::exists(recordFile()));
    // The marks are shown all the same.
    QCOMPARE(Form1->Button1->text(), QStringLiteral("Score: 1/46\n Are these corrected?"));
    QCOMPARE(slotColourOf(Form1->SlotPanels[0]), QColor(102, 255, 255));
    QCOMPARE(slotColourOf(Form1->SlotPanels[1]), QColor(255, 102, 0));
    QVERIFY(Form1->Button5->isEnabled());
}

void TestGradingWindow::correctAnswer_data()
{
    QTest::addColumn<bool>("female");
    QTest::addColumn<QString>("label45");
    QTest::newRow("female") << true << QStringLiteral("X");
    QTest::newRow("male") << false << QStringLiteral("Y");
}

void TestGradingWindow::correctAnswer()
{
    QFETCH(bool, female);
    QFETCH(QString, label45);

    setUpTrial(female);
    // A chromosome taller than its slot at this magnification sticks out at both ends.
    QImage tall(14, 200, QImage::Format_RGB888);
    tall.fill(QColor(60, 40, 90));
    Form1->SourceBitmaps[0] = tall;
    Form1->Magnification = 1.3f;
    place(5, 0, 7);
    Form1->Button1Click();
    Form1->Button1Click(); // a correction round
    Form1->Button5Click();

    QVERIFY(!Form1->Button1->isEnabled());
    QCOMPARE(Form1->EvaluationCount, 0);
    QVERIFY(!Form1->Button5->isEnabled());
    QCOMPARE(Form1->Button5->text(), QStringLiteral("Finish"));
    QVERIFY(Form1->Button6->isEnabled());
    QCOMPARE(recordLines().size(), 2);

    TForm16 *answer = Form16;
    QVERIFY(answer);
    QVERIFY(answer->isVisible());
    QCOMPARE(answer->parentWidget(), Form1->InputPanel);
    QCOMPARE(answer->geometry(), QRect(0, 0, Form1->InputPanel->width() - 20, Form1->InputPanel->height()));
    QCOMPARE(Form1->InputPanel->children().last(), answer); // above the scattered pieces
    QCOMPARE(answer->TitleLabel->text(), QStringLiteral("KORVEN  Correct answer"));

    const int rowHeight = answer->OutputPanel->height() / 4;
    QCOMPARE(answer->RowPanels[2]->geometry(),
             QRect(0, 2 * answer->OutputPanel->height() / 4, answer->OutputPanel->width(), rowHeight));
    for (int k = 0; k < 46; ++k) {
        QFrame *slot = answer->AnswerSlots[k];
        QLabel *image = answer->AnswerImages[k];
        QLabel *label = answer->AnswerLabels[k];
        QCOMPARE(slot->objectName(), QStringLiteral("Panel%1").arg(k + 10));
        QCOMPARE(image->parentWidget(), slot);
        QCOMPARE(label->parentWidget(), slot);
        QCOMPARE(slot->height(), rowHeight);
        QCOMPARE(slot->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(label->pos(), QPoint(2, 2));
        const QString expectedLabel = k < 44 ? QString::number(k / 2 + 1) : k == 44 ? QStringLiteral("X") : label45;
        QCOMPARE(label->text(), expectedLabel);

        // Drawn whole: a piece too tall for its slot at 1.3 is drawn at the largest scale that fits.
        const float scale = korven::slotScale(Form1->SourceBitmaps[k].size(), 1.3f, std::nullopt, slot->size(), 2);
        QImage scaled;
        ScaleBitmap(Form1->SourceBitmaps[k], scaled, scale);
        QCOMPARE(image->size(), scaled.size());
        QCOMPARE(image->pos(), QPoint((slot->width() - scaled.width()) / 2,
                                      (slot->height() - scaled.height()) / 2 + 2));
        QVERIFY(slot->rect().contains(image->geometry()));
    }
    QVERIFY(answer->AnswerScales[0] < 1.3f); // the tall one, drawn smaller rather than cut
    QCOMPARE(answer->AnswerSlots[45]->geometry().right() + 1 + 2, answer->RowPanels[3]->width());

    // Its close button hides it; the exercise window stays in the Answer-shown state.
    QTest::mouseClick(answer->CloseButton, Qt::LeftButton);
    QVERIFY(!answer->isVisible());
    QVERIFY(!Form1->Button5->isEnabled());
}

void TestGradingWindow::referenceModeToggle()
{
    setUpTrial(false);
    place(9, 4);   // chromosome 5 in a slot of pair 3
    place(17, 44); // chromosome 9 in slot X
    place(45, 45); // the Y where it belongs
    Form1->Button1Click();
    QCOMPARE(Form1->SlotLabels[45]->text(), QStringLiteral("Y"));
    for (QLabel *label : Form1->SlotLabels)
        label->move(30, 30);

    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1, 60000));
    QTest::keyClick(Form1, Qt::Key_F4);
    QVERIFY(Form1->N1->isChecked());
    QVERIFY(PagesDlg->Cheat->isChecked());
    QCOMPARE(Form1->SlotLabels[4]->text(), QStringLiteral("3  5"));
    QCOMPARE(Form1->SlotLabels[44]->text(), QStringLiteral("X  9"));
    QCOMPARE(Form1->SlotLabels[45]->text(), QStringLiteral("XY  Y"));
    QCOMPARE(Form1->SlotLabels[0]->text(), QStringLiteral("1"));
    for (int s = 0; s < 46; ++s)
        QCOMPARE(Form1->SlotLabels[s]->pos(), QPoint(2, 2));

    QTest::keyClick(Form1, Qt::Key_F4);
    QVERIFY(!Form1->N1->isChecked());
    QVERIFY(!PagesDlg->Cheat->isChecked());
    for (int s = 0; s < 46; ++s)
        QCOMPARE(Form1->SlotLabels[s]->text(), s < 44 ? QString::number(s / 2 + 1)
                                                      : QString::fromLatin1(s == 44 ? "X" : "XY"));
    // Switching changes no grading colour.
    QCOMPARE(slotColourOf(Form1->SlotPanels[4]), QColor(255, 102, 0));
    QCOMPARE(slotColourOf(Form1->SlotPanels[45]), QColor(102, 255, 255));
}

void TestGradingWindow::relabelOnPlacementAndRemoval()
{
    setUpTrial(true);
    Form1->CurrentProblemName = Form1->problemNameAt(Form1->ProblemPosition);

    // Mode off: placing and removing leave the labels alone.
    place(9, 4);
    Form1->relabelSlotOnPlacement(4);
    QCOMPARE(Form1->SlotLabels[4]->text(), QStringLiteral("3"));
    Form1->SlotLabels[4]->setText(QStringLiteral("stale"));
    Form1->relabelSlotOnRemoval(4);
    QCOMPARE(Form1->SlotLabels[4]->text(), QStringLiteral("stale"));

    Form1->N1->setChecked(true);
    Form1->relabelSlotOnPlacement(4);
    QCOMPARE(Form1->SlotLabels[4]->text(), QStringLiteral("3  5"));
    place(45, 44);
    Form1->relabelSlotOnPlacement(44);
    QCOMPARE(Form1->SlotLabels[44]->text(), QStringLiteral("X  X"));
    Form1->SlotContent[4] = -1;
    Form1->relabelSlotOnRemoval(4);
    QCOMPARE(Form1->SlotLabels[4]->text(), QStringLiteral("3"));
    Form1->SlotContent[45] = -1;
    Form1->relabelSlotOnRemoval(45);
    QCOMPARE(Form1->SlotLabels[45]->text(), QStringLiteral("XY"));
}

QTEST_MAIN(TestGradingWindow)
#include "test_grading_window.moc"
