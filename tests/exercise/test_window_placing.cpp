// Placing pieces in the karyogram: which drops are taken, what a drop does to the piece and the
// board, and what happens when the piece's file has gone.
#include "analysis/ui/tpages_dlg.h"
#include "forms/messages.h"
#include "exercise/bitmap_transform.h"
#include "exercise/board_rules.h"
#include "exercise/piece_picture.h"
#include "files/errors.h"
#include "exercise/ui/tform1.h"
#include "support/window_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QTest>

using korven::test::WindowFixture;

class TestWindowPlacing : public QObject {
    Q_OBJECT
private slots:
    void dropRules_data();
    void dropRules();
    void refusedReceivers_data();
    void refusedReceivers();
    void drawing_data();
    void drawing();
    void centring_data();
    void centring();
    void failedReread_data();
    void failedReread();
    void referenceLabels();
};

void TestWindowPlacing::dropRules_data()
{
    // Before: piece 12 lies in slot 13 and piece 3 in slot 2. Then one drag with the mouse.
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<int>("freedSlot");
    QTest::newRow("from the work area into an empty slot") << 5 << 30 << true << -1;
    QTest::newRow("from slot 13 into empty slot 27") << 12 << 27 << true << 13;
    QTest::newRow("onto a taken slot") << 5 << 2 << false << -1;
    QTest::newRow("from a slot onto a taken slot") << 12 << 2 << false << -1;
    QTest::newRow("back onto its own slot") << 12 << 13 << false << -1;
    QTest::newRow("an X into the XY slot") << 44 << 45 << true << -1;
}

void TestWindowPlacing::dropRules()
{
    QFETCH(int, piece);
    QFETCH(int, slot);
    QFETCH(bool, taken);
    QFETCH(int, freedSlot);
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    fixture.dragPieceToSlot(12, 13);
    fixture.dragPieceToSlot(3, 2);
    QCOMPARE(f->SlotContent[13], 12);
    QCOMPARE(f->SlotContent[2], 3);

    PieceImage *p = f->PieceImages[piece];
    QWidget *parentBefore = p->parentWidget();
    const QRect geometryBefore = p->geometry();
    auto expected = f->SlotContent;
    const int beeps = korven::ui::beepCount();
    fixture.chooseForTurning(piece);

    fixture.dragPieceToSlot(piece, slot);
    QCOMPARE(f->SelectedPiece, -1);
    if (taken) {
        expected[slot] = piece;
        if (freedSlot >= 0)
            expected[freedSlot] = -1;
        QCOMPARE(p->parentWidget(), f->SlotPanels[slot]);
        QCOMPARE(korven::ui::beepCount(), beeps);
    } else {
        QCOMPARE(p->parentWidget(), parentBefore);
        QCOMPARE(p->geometry(), geometryBefore);
        QCOMPARE(korven::ui::beepCount(), beeps + 1);
    }
    QVERIFY(f->SlotContent == expected);
    // No piece is named twice, and every recorded piece lies in its slot.
    for (int s = 0; s < TForm1::SlotCount; ++s) {
        if (f->SlotContent[s] < 0)
            continue;
        QCOMPARE(f->PieceImages[f->SlotContent[s]]->parentWidget(), f->SlotPanels[s]);
        QCOMPARE(std::count(f->SlotContent.begin(), f->SlotContent.end(), f->SlotContent[s]), 1);
    }
}

void TestWindowPlacing::refusedReceivers_data()
{
    QTest::addColumn<QString>("receiver");
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("dragOverAccepts");
    QTest::newRow("OutputPanel outside the slots") << "OutputPanel" << "piece" << true;
    QTest::newRow("not a piece") << "slot" << "label" << false;
}

void TestWindowPlacing::refusedReceivers()
{
    QFETCH(QString, receiver);
    QFETCH(QString, source);
    QFETCH(bool, dragOverAccepts);
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    fixture.chooseForTurning(8);
    QWidget *to = receiver == QLatin1String("slot") ? static_cast<QWidget *>(f->SlotPanels[6]) : f->OutputPanel;
    QWidget *what = source == QLatin1String("piece") ? static_cast<QWidget *>(f->PieceImages[8]) : f->SlotLabels[20];
    QWidget *parentBefore = what->parentWidget();
    const QRect geometryBefore = what->geometry();
    const int beeps = korven::ui::beepCount();

    QCOMPARE(f->OutputPanelDragOver(to, what, 5, 5), dragOverAccepts);
    f->OutputPanelDragDrop(to, what, 5, f->OutputPanel->height() - 1);
    QCOMPARE(korven::ui::beepCount(), beeps + 1);
    QCOMPARE(f->SelectedPiece, -1);
    QCOMPARE(what->parentWidget(), parentBefore);
    QCOMPARE(what->geometry(), geometryBefore);
    for (int s = 0; s < TForm1::SlotCount; ++s)
        QCOMPARE(f->SlotContent[s], -1);
}

void TestWindowPlacing::drawing_data()
{
    QTest::addColumn<bool>("alignment");
    QTest::addColumn<int>("rotationAfter");
    QTest::newRow("alignment mode: upright, step 0") << true << 0;
    QTest::newRow("no alignment: 105 degrees, step kept") << false << 7;
}

void TestWindowPlacing::drawing()
{
    QFETCH(bool, alignment);
    QFETCH(int, rotationAfter);
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    PagesDlg->AnswerMode->setChecked(alignment);
    const int k = 13;
    f->PieceRotation[k] = 7;
    // The drop draws from the file, not from what the board holds.
    const QImage fromFile = f->SourceBitmaps[k];
    f->SourceBitmaps[k] = QImage(5, 5, QImage::Format_RGB888);

    fixture.dragPieceToSlot(k, 12);
    QCOMPARE(f->SlotContent[12], k);
    QCOMPARE(f->PieceRotation[k], rotationAfter);
    QCOMPARE(f->SourceBitmaps[k], fromFile);
    // Turned across its 56-pixel-wide slot, the piece is drawn smaller so that it shows whole.
    const std::optional<float> angle = alignment ? std::nullopt : std::optional<float>(105.0f);
    const float scale = korven::slotScale(fromFile.size(), f->Magnification, angle, f->SlotPanels[12]->size(), 2);
    QCOMPARE(scale < f->Magnification, !alignment);
    QImage expected;
    korven::ScaleBitmap(fromFile, expected, scale);
    if (!alignment) {
        QImage scaled = expected;
        korven::RotateBitmap(scaled, expected, 105.0f);
    }
    PieceImage *p = f->PieceImages[k];
    QCOMPARE(p->picture(), expected);
    QCOMPARE(p->pos(), korven::centreInSlot(f->SlotPanels[12]->size(), p->size(), 2));
    QVERIFY(f->SlotPanels[12]->rect().contains(p->geometry()));

    // Back on the work area it takes the board's size again.
    if (!alignment) {
        fixture.dragPiece(k, f->InputPanel, QPoint(200, 100));
        QCOMPARE(p->shownScale(), f->Magnification);
        QCOMPARE(p->size(), korven::piecePictureSize(fromFile.size(), f->Magnification, 105.0f));
    }
}

void TestWindowPlacing::centring_data()
{
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("top");
    QTest::newRow("60 high") << 0 << 16;
    QTest::newRow("61 high") << 1 << 15;
}

void TestWindowPlacing::centring()
{
    QFETCH(int, piece);
    QFETCH(int, top);
    // Pieces 0 and 1 are 61 and 62 pixels high; at scale 1 they are drawn 60 and 61 high.
    WindowFixture fixture({korven::test::femaleProblem(10)}, [](int k) {
        return k < 2 ? QSize(20, 61 + k) : korven::test::defaultPieceSize(k);
    });
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    PagesDlg->AnswerMode->setChecked(true);
    f->Magnification = 1.0f;
    f->SlotPanels[4]->resize(80, 88);
    fixture.placePiece(piece, 4);
    PieceImage *p = f->PieceImages[piece];
    QCOMPARE(p->parentWidget(), f->SlotPanels[4]);
    QCOMPARE(p->height(), 60 + piece);
    QCOMPARE(p->y(), top);
    QCOMPARE(p->x(), 30);
}

void TestWindowPlacing::failedReread_data()
{
    QTest::addColumn<bool>("fromSlot");
    QTest::newRow("from the work area") << false;
    QTest::newRow("from another slot") << true;
}

void TestWindowPlacing::failedReread()
{
    QFETCH(bool, fromSlot);
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    const int k = 12; // chromosome 7, first homologue: 7-1.bmp
    if (fromSlot)
        fixture.placePiece(k, 13);
    PieceImage *p = f->PieceImages[k];
    QWidget *parentBefore = p->parentWidget();
    const QRect geometryBefore = p->geometry();
    const QImage pictureBefore = p->picture();
    const auto contentBefore = f->SlotContent;
    fixture.chooseForTurning(k);

    QVERIFY(QFile::remove(QDir(fixture.folder.imagesFolder())
                              .filePath(korven::test::femaleProblem(10) + QStringLiteral("/7-1.bmp"))));
    QVERIFY(f->OutputPanelDragOver(f->SlotPanels[27], p, 5, 5));
    try {
        f->OutputPanelDragDrop(f->SlotPanels[27], p, 5, 5);
        QFAIL("a drop without the piece's file succeeded");
    } catch (const korven::KorvenError &e) {
        QVERIFY2(e.message().contains(QStringLiteral("7-1.bmp")), qPrintable(e.message()));
    }
    QCOMPARE(p->parentWidget(), parentBefore);
    QCOMPARE(p->geometry(), geometryBefore);
    QCOMPARE(p->picture(), pictureBefore);
    QVERIFY(p->isVisible());
    QVERIFY(f->SlotContent == contentBefore);
    QCOMPARE(f->SelectedPiece, -1);
}

void TestWindowPlacing::referenceLabels()
{
    // With reference mode on, the receiving slot names the piece and the slot it left reads
    // its own number again.
    WindowFixture fixture;
    TForm1 *f = fixture.form();
    fixture.loadAndStart();
    f->N1->setChecked(true);
    fixture.dragPieceToSlot(12, 13);
    QCOMPARE(f->SlotLabels[13]->text(), QStringLiteral("7  7"));
    fixture.dragPieceToSlot(12, 27);
    QCOMPARE(f->SlotLabels[13]->text(), QStringLiteral("7"));
    QCOMPARE(f->SlotLabels[27]->text(), QStringLiteral("14  7"));
    fixture.dragPiece(12, f->InputPanel, QPoint(40, 40));
    QCOMPARE(f->PieceImages[12]->parentWidget(), f->InputPanel);
    QCOMPARE(f->SlotLabels[27]->text(), QStringLiteral("14"));
    QCOMPARE(f->SlotContent[27], -1);
}

QTEST_MAIN(TestWindowPlacing)
#include "test_window_placing.moc"
