// The exercise window's layout arithmetic, its control tree and its menu.
#include "exercise/main_layout.h"
#include "exercise/ui/tform1.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace korven;

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void placement_data();
    void placement();
    void menuPanelWidth_data();
    void menuPanelWidth();
    void slotRow_data();
    void slotRow();
    void column();

    void controlTree();
    void menu();
    void functionKeys_data();
    void functionKeys();
    void resize_data();
    void resize();
    void clockSeconds_data();
    void clockSeconds();
};

void TestLayout::placement_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("900 high: maximised") << QSize(1440, 900) << true << QPoint();
    QTest::newRow("1023 high: maximised") << QSize(1280, 1023) << true << QPoint();
    QTest::newRow("1024 high: centred") << QSize(1280, 1024) << false << QPoint(145, 122);
    QTest::newRow("1200 high: centred") << QSize(1600, 1200) << false << QPoint(305, 210);
}

void TestLayout::placement()
{
    QFETCH(QSize, screen);
    QFETCH(bool, maximised);
    QFETCH(QPoint, topLeft);
    const WindowPlacement p = placeWindow(screen.width(), screen.height(), DesignWidth, DesignHeight);
    QCOMPARE(p.maximised, maximised);
    if (!maximised)
        QCOMPARE(QPoint(p.left, p.top), topLeft);
}

void TestLayout::menuPanelWidth_data()
{
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<int>("inOutWidth");
    QTest::addColumn<int>("expected");
    QTest::newRow("1200 wide: fixed 202") << 1200 << 998 << 202;
    QTest::newRow("1025 wide: fixed 202") << 1025 << 857 << 202;
    QTest::newRow("1024 wide: a fifth") << 1024 << 856 << 171;
    QTest::newRow("1000 wide: a fifth") << 1000 << 834 << 166;
}

void TestLayout::menuPanelWidth()
{
    QFETCH(int, windowWidth);
    QFETCH(int, inOutWidth);
    QFETCH(int, expected);
    QCOMPARE(korven::menuPanelWidth(windowWidth, inOutWidth), expected);
}

void TestLayout::slotRow_data()
{
    QTest::addColumn<int>("rowWidth");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    QTest::newRow("803/10 first") << 803 << 10 << 0 << 0 << 80;
    QTest::newRow("803/10 ninth") << 803 << 10 << 8 << 640 << 80;
    QTest::newRow("803/10 last takes the rest less 2") << 803 << 10 << 9 << 720 << 81;
    QTest::newRow("803/14 last") << 803 << 14 << 13 << 741 << 60;
    QTest::newRow("800/10 last loses 2") << 800 << 10 << 9 << 720 << 78;
}

void TestLayout::slotRow()
{
    QFETCH(int, rowWidth);
    QFETCH(int, count);
    QFETCH(int, slot);
    QFETCH(int, left);
    QFETCH(int, width);
    const auto rects = slotRowRects(rowWidth, 94, count);
    QCOMPARE(int(rects.size()), count);
    QCOMPARE(rects[slot], QRect(left, 0, width, 94));
}

void TestLayout::column()
{
    // H = 383 shows that the bands are O's H x n / 6, not (H / 6) x n.
    const ColumnGeometry c = columnStep(168, 380, 380, 383);
    QCOMPARE(c.listBoxHeight, 380);
    QCOMPARE(c.panel5, QRect(0, 380, 168, 63));
    QCOMPARE(c.button2, QRect(0, 443, 168, 63));
    QCOMPARE(c.button4, QRect(0, 507, 168, 63));
    QCOMPARE(c.button1, QRect(0, 571, 84, 63));
    QCOMPARE(c.button5, QRect(84, 571, 84, 63));
    QCOMPARE(c.button6, QRect(0, 635, 168, 63));
    QCOMPARE(c.button3, QRect(0, 699, 168, 63));
}

void TestLayout::controlTree()
{
    test::WindowFixture fixture;
    TForm1 *f = fixture.form();
    const QScreen *screen = QGuiApplication::primaryScreen();
    QCOMPARE(fixture.openedMaximised, screen->geometry().height() < 1024);

    for (int k = 0; k < TForm1::PieceCount; ++k) {
        QCOMPARE(f->PieceImages[k]->objectName(), QStringLiteral("Image%1").arg(k));
        QCOMPARE(f->PieceImages[k]->parentWidget(), f->InputPanel);
        QCOMPARE(f->findChild<PieceImage *>(QStringLiteral("Image%1").arg(k)), f->PieceImages[k]);
    }
    const QStringList plainTexts = [] {
        QStringList texts;
        for (int s = 0; s < 44; ++s)
            texts << QString::number(s / 2 + 1);
        return texts << QStringLiteral("X") << QStringLiteral("XY");
    }();
    for (int s = 0; s < TForm1::SlotCount; ++s) {
        QCOMPARE(f->SlotPanels[s]->objectName(), QStringLiteral("Panel%1").arg(s + 10));
        QCOMPARE(f->SlotPanels[s]->parentWidget(), f->RowPanels[rowOfSlot(s)]);
        QCOMPARE(f->SlotLabels[s]->objectName(), QStringLiteral("Label%1").arg(s + 10));
        QCOMPARE(f->SlotLabels[s]->parentWidget(), f->SlotPanels[s]);
        QCOMPARE(f->SlotLabels[s]->text(), plainTexts[s]);
        QCOMPARE(f->SlotLabels[s]->pos(), QPoint(2, 2));
        QCOMPARE(f->SlotContent[s], -1);
    }
    QCOMPARE(f->SlotLabels[46]->objectName(), QStringLiteral("Label56"));
    QVERIFY(!f->SlotLabels[46]->isVisible());
    for (int r = 0; r < 4; ++r) {
        QCOMPARE(f->RowPanels[r]->objectName(), QStringLiteral("Panel%1").arg(r + 1));
        QCOMPARE(f->RowPanels[r]->parentWidget(), f->OutputPanel);
        QCOMPARE(f->RowPanels[r]->y(), r * f->RowPanels[0]->height());
    }
    const auto rects = slotRects(f->RowPanels[0]->width(), f->RowPanels[0]->height());
    for (int s = 0; s < TForm1::SlotCount; ++s)
        QCOMPARE(f->SlotPanels[s]->geometry(), rects[s]);

    const QList<QPair<QPushButton *, QString>> captions = {
        {f->Button2, QStringLiteral("Next")},       {f->Button4, QStringLiteral("Start")},
        {f->Button1, QStringLiteral("Evaluation")}, {f->Button5, QStringLiteral("Correct answer")},
        {f->Button6, QStringLiteral("Finish")},     {f->Button3, QStringLiteral("Analysis")}};
    for (const auto &[button, caption] : captions)
        QCOMPARE(button->text(), caption);
    QCOMPARE(f->Label57->text(), QStringLiteral("Time:"));
    QCOMPARE(f->Label58->text(), QStringLiteral("0"));
    QCOMPARE(f->Label1->text(), QStringLiteral("Sec"));
    QVERIFY(f->ListBox3->isVisible());
    QVERIFY(!f->ListBox1->isVisible());
    QVERIFY(!f->ListBox2->isVisible());
    QCOMPARE(f->InputPanel->parentWidget(), f->InOutPanel);
    QCOMPARE(f->OutputPanel->parentWidget(), f->InOutPanel);
    QCOMPARE(f->ListBox3->parentWidget(), f->MenuPanel);
    // The work area: the scatter panel above the karyogram, the column of controls beside them.
    QCOMPARE(f->InputPanel->y(), 0);
    QCOMPARE(f->OutputPanel->geometry().bottom(), f->InOutPanel->height() - 1);
    QCOMPARE(f->InputPanel->height(), f->InOutPanel->height() / 2);
    QCOMPARE(f->InOutPanel->geometry().right() + 1, f->MenuPanel->x());
    QCOMPARE(f->ListBox3->height(), f->InputPanel->height());
    QCOMPARE(f->Button3->geometry().top(), f->OutputPanel->y() + f->OutputPanel->height() * 5 / 6);
}

void TestLayout::menu()
{
    test::WindowFixture fixture;
    TForm1 *f = fixture.form();
    QStringList titles;
    for (QAction *a : f->menuBar()->actions())
        titles << a->text();
    QCOMPARE(titles, (QStringList{QStringLiteral("File(&F)"), QStringLiteral("Option(&O)"),
                                  QStringLiteral("Help(&H)")}));

    auto items = [](QAction *menuAction) {
        QStringList texts;
        for (QAction *a : menuAction->menu()->actions())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text().section(QLatin1Char('\t'), 0, 0));
        return texts;
    };
    const auto menus = f->menuBar()->actions();
    QCOMPARE(items(menus[0]), (QStringList{QStringLiteral("Reset"), QStringLiteral("Analysis"), QStringLiteral("Case work..."), QStringLiteral("-"),
                                           QStringLiteral("Printer Settings..."),
                                           QStringLiteral("Print(A4 size only)"), QStringLiteral("-"),
                                           QStringLiteral("Exit(&X)")}));
    QCOMPARE(items(menus[1]), (QStringList{QStringLiteral("Reference mode"), QStringLiteral("Magnifier"),
                                           QStringLiteral("Settings...")}));
    QCOMPARE(items(menus[2]), (QStringList{QStringLiteral("Help(&C)"), QStringLiteral("About(&A)...")}));

    QCOMPARE(f->New1->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(f->Analysis1->shortcut(), QKeySequence(Qt::Key_F12));
    QCOMPARE(f->N1->shortcut(), QKeySequence(Qt::Key_F4));
    QCOMPARE(f->Settings1->shortcut(), QKeySequence(Qt::Key_F8));
    QVERIFY(f->Help2->shortcut().isEmpty());
    QVERIFY(f->N1->isCheckable());
    QVERIFY(!f->N1->isChecked());
}

void TestLayout::functionKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("modals");
    QTest::newRow("F12 opens the analysis, not the help") << int(Qt::Key_F12) << QStringList{QStringLiteral("OKBottomDlg")};
    QTest::newRow("F8 opens the settings") << int(Qt::Key_F8) << QStringList{QStringLiteral("PagesDlg")};
}

void TestLayout::functionKeys()
{
    QFETCH(int, key);
    QFETCH(QStringList, modals);
    test::WindowFixture fixture;
    QVERIFY(QTest::qWaitForWindowActive(fixture.form(), 60000));
    QTest::keyClick(fixture.form(), Qt::Key(key));
    QCOMPARE(fixture.modals, modals);
}

void TestLayout::resize_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("1200 wide") << 1200;
    QTest::newRow("1000 wide") << 1000;
}

void TestLayout::resize()
{
    QFETCH(int, width);
    test::WindowFixture fixture;
    TForm1 *f = fixture.form();
    const int menuBefore = f->MenuPanel->width();
    f->resize(width, 900);
    QTRY_COMPARE_WITH_TIMEOUT(f->width(), width, 60000);
    const int client = f->centralWidget()->width();
    // The step reads the work area's width before its own change takes effect.
    const int expected = width > 1024 ? 202 : (client - menuBefore) / 5;
    QCOMPARE(f->MenuPanel->width(), expected);
    QCOMPARE(f->InputPanel->height(), f->InOutPanel->height() / 2);
    QCOMPARE(f->OutputPanel->height(), f->InOutPanel->height() / 2);
    QCOMPARE(f->RowPanels[3]->height(), f->OutputPanel->height() / 4);
    const auto rects = slotRects(f->RowPanels[0]->width(), f->RowPanels[0]->height());
    QCOMPARE(f->SlotPanels[45]->geometry(), rects[45]);
    QCOMPARE(f->SlotPanels[45]->geometry().right() + 1 + 2, f->RowPanels[3]->width());
}

void TestLayout::clockSeconds_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<bool>("secShown");
    QTest::newRow("design width, 0") << 990 << 0 << true;
    QTest::newRow("design width, 104") << 990 << 104 << false;
    QTest::newRow("design width, 9999") << 990 << 9999 << false;
    QTest::newRow("1200 wide, 104") << 1200 << 104 << true;
}

void TestLayout::clockSeconds()
{
    // The count stands where the layout puts it, in 24-pixel type, and is never written over
    // "Sec": where it does not fit the gap, "Sec" steps aside. A resize or a shorter count brings
    // "Sec" back.
    QFETCH(int, width);
    QFETCH(int, seconds);
    QFETCH(bool, secShown);
    test::WindowFixture fixture;
    TForm1 *f = fixture.form();
    auto check = [f](bool shown) {
        QCOMPARE(f->Label58->x(), f->Panel5->width() / 20 + f->Label57->width() + 10);
        QCOMPARE(f->Label58->font().pixelSize(), 24);
        QVERIFY(f->Label58->geometry().right() < f->Panel5->width());
        QCOMPARE(f->Label1->isVisible(), shown);
        QCOMPARE(f->Label1->text(), QStringLiteral("Sec"));
        // "Sec" steps aside only when the count would run into it.
        QCOMPARE(f->Label58->geometry().right() < f->Label1->x(), shown);
    };
    f->resize(1200, 900);
    QTRY_COMPARE_WITH_TIMEOUT(f->width(), 1200, 60000);
    f->ShowElapsed = 1;
    f->ElapsedSeconds = seconds - 1;
    f->Timer1Timer();
    QCOMPARE(f->Label58->text(), QString::number(seconds));
    if (width != 1200) {
        f->resize(width, 780);
        QTRY_COMPARE_WITH_TIMEOUT(f->width(), width, 60000);
    }
    check(secShown);

    f->ElapsedSeconds = 0;
    f->Timer1Timer();
    check(true);
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
