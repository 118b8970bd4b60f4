// The exercise window's control tree, its layout at creation and on resize, its menu, help and
// the ways it closes.
#include "exercise/ui/tform1.h"

#include "program/language.h"
#include "exercise/main_layout.h"
#include "program/program_folder.h"
#include "exercise/board_rules.h"
#include "app/ui/help_window.h"
#include "forms/messages.h"
#include "app/ui/tabout_box.h"
#include "analysis/ui/tpages_dlg.h"
#include "exercise/ui/magnifier.h"
#include "exercise/ui/tform16.h"
#include "users/ui/tpassword_dlg.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMouseEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableWidget>
#include <QTimer>
#include <QWheelEvent>

TForm1 *Form1 = nullptr;

namespace {

QFont pixelFont(const QString &family, int pixels)
{
    QFont f(family);
    f.setPixelSize(pixels);
    return f;
}

QListWidget *makeListBox(const QString &name, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    return list;
}

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton *makeButton(const QString &name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("KORVEN"));
    setFont(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    createControls();
    createMenu();
    constructBoard();

    // Placement at creation: maximised on a small screen, else centred at the design size.
    resize(korven::DesignWidth, korven::DesignHeight);
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        const auto p = korven::placeWindow(s.width(), s.height(), width(), height());
        if (p.maximised)
            setWindowState(Qt::WindowMaximized);
        else
            move(s.left() + p.left, s.top() + p.top);
    }
    FormCreate();
    qApp->installEventFilter(this);
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::createControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(central);

    MenuPanel = new QWidget(central);
    MenuPanel->setObjectName(QStringLiteral("MenuPanel"));
    auto *problemList = new ProblemList(MenuPanel);
    problemList->setObjectName(QStringLiteral("ListBox3"));
    ListBox3 = problemList;
    ListBox1 = makeListBox(QStringLiteral("ListBox1"), MenuPanel);
    ListBox1->hide();
    ListBox2 = makeListBox(QStringLiteral("ListBox2"), MenuPanel);
    ListBox2->hide();
    StringGrid1 = new QTableWidget(MenuPanel);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->hide();

    Panel5 = new QFrame(MenuPanel);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setFrameShape(QFrame::Panel);
    Panel5->setFrameShadow(QFrame::Raised);
    Label57 = makeLabel(QStringLiteral("Label57"), tr("Time:"), Panel5);
    Label57->setFont(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 24));
    Label58 = makeLabel(QStringLiteral("Label58"), QStringLiteral("0"), Panel5);
    Label58->setFont(pixelFont(QStringLiteral("Arial"), 24));
    Label1 = makeLabel(QStringLiteral("Label1"), tr("Sec"), Panel5);
    Label1->setFont(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 24));
    for (QLabel *l : {Label57, Label58, Label1})
        l->adjustSize();

    Button2 = makeButton(QStringLiteral("Button2"), tr("Next"), MenuPanel);
    Button2->setDefault(true);
    Button2->setAutoDefault(true);
    Button4 = makeButton(QStringLiteral("Button4"), tr("Start"), MenuPanel);
    Button1 = makeButton(QStringLiteral("Button1"), tr("Evaluation"), MenuPanel);
    Button5 = makeButton(QStringLiteral("Button5"), tr("Correct answer"), MenuPanel);
    Button6 = makeButton(QStringLiteral("Button6"), tr("Finish"), MenuPanel);
    Button3 = makeButton(QStringLiteral("Button3"), tr("Analysis"), MenuPanel);
    for (QPushButton *b : {Button4, Button1, Button5, Button6, Button3})
        b->setAutoDefault(false);
    // The state of a window just opened: only Next, the problem list and Analysis are enabled.
    Button1->setEnabled(false);
    Button4->setEnabled(false);
    Button5->setEnabled(false);
    Button6->setEnabled(false);

    for (int i = 0; i < 7; ++i) {
        HiddenLabels[i] = makeLabel(QStringLiteral("Label%1").arg(i + 3), QString(), MenuPanel);
        HiddenLabels[i]->hide();
    }
    Label7 = HiddenLabels[4];

    InOutPanel = new QWidget(central);
    InOutPanel->setObjectName(QStringLiteral("InOutPanel"));
    InputPanel = new BoardPanel(QStringLiteral("InputPanel"), InOutPanel);
    InputPanel->setAutoFillBackground(true);
    QPalette white = InputPanel->palette();
    white.setColor(QPalette::Window, Qt::white);
    InputPanel->setPalette(white);
    InputPanel->setCursor(Qt::DragMoveCursor);
    InputPanel->setMouseTracking(true);
    OutputPanel = new BoardPanel(QStringLiteral("OutputPanel"), InOutPanel);
    for (int r = 0; r < 4; ++r)
        RowPanels[r] = new BoardPanel(QStringLiteral("Panel%1").arg(r + 1), OutputPanel);

    for (int s = 0; s < SlotCount; ++s) {
        const int row = korven::rowOfSlot(s);
        auto *slot = new BoardPanel(QStringLiteral("Panel%1").arg(s + 10), RowPanels[row]);
        slot->setFrameShape(QFrame::Panel);
        slot->setFrameShadow(QFrame::Raised);
        slot->setAutoFillBackground(true);
        SlotPanels[s] = slot;
        SlotLabels[s] = makeLabel(QStringLiteral("Label%1").arg(s + 10), QString(), slot);
    }
    SlotLabels[SlotCount] = makeLabel(QStringLiteral("Label56"), QString(), MenuPanel);
    SlotLabels[SlotCount]->hide();

    for (int k = 0; k < PieceCount; ++k) {
        PieceImages[k] = new PieceImage(k, InputPanel);
        PieceImages[k]->resize(105, 105);
    }

    Loupe = new Magnifier(central);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
    connect(Button6, &QPushButton::clicked, this, [this] { Button6Click(); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(ListBox3, &QListWidget::itemClicked, this, [this] { ListBox3Click(); });
    // A press and release that made no click (let go off the number pressed) loads nothing, so
    // the highlight goes back to the problem on the board.
    connect(problemList, &ProblemList::released, this, [this] { showLoadedProblemInList(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    // "Next" is the window's default button: Enter presses it unless another button has focus.
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        auto *enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, [this] { pressDefaultButton(); });
    }
}

void TForm1::createMenu()
{
    auto action = [this](QMenu *menu, const QString &name, const QString &text, const QKeySequence &key) {
        auto *a = menu->addAction(text);
        a->setObjectName(name);
        if (!key.isEmpty())
            a->setShortcut(key);
        return a;
    };
    QMenu *file = menuBar()->addMenu(tr("File(&F)"));
    file->setObjectName(QStringLiteral("File1"));
    New1 = action(file, QStringLiteral("New1"), tr("Reset"), QKeySequence(Qt::Key_F1));
    Analysis1 = action(file, QStringLiteral("Analysis1"), tr("Analysis"), QKeySequence(Qt::Key_F12));
    CaseWork1 = action(file, QStringLiteral("CaseWork1"), tr("Case work..."), QKeySequence(Qt::Key_F9));
    // Case work belongs to a logged-in trainee.
    connect(file, &QMenu::aboutToShow, this, [this] { CaseWork1->setEnabled(!UserId.isEmpty()); });
    file->addSeparator();
    N4 = action(file, QStringLiteral("N4"), tr("Printer Settings..."), {});
    N3 = action(file, QStringLiteral("N3"), tr("Print(A4 size only)"), {});
    file->addSeparator();
    Exit1 = action(file, QStringLiteral("Exit1"), tr("Exit(&X)"), {});

    QMenu *option = menuBar()->addMenu(tr("Option(&O)"));
    option->setObjectName(QStringLiteral("Option1"));
    N1 = action(option, QStringLiteral("N1"), tr("Reference mode"), QKeySequence(Qt::Key_F4));
    N1->setCheckable(true);
    Magnifier1 = action(option, QStringLiteral("Magnifier1"), tr("Magnifier"), QKeySequence(Qt::Key_F6));
    Magnifier1->setCheckable(true);
    Settings1 = action(option, QStringLiteral("Settings1"), tr("Settings..."), QKeySequence(Qt::Key_F8));

    QMenu *help = menuBar()->addMenu(tr("Help(&H)"));
    help->setObjectName(QStringLiteral("Help1"));
    // F12 belongs to "Analysis", which comes first in the menu; the help item shows the key but
    // is reached through the menu only.
    Help2 = action(help, QStringLiteral("Help2"), tr("Help(&C)\tF12"), {});
    About1 = action(help, QStringLiteral("About1"), tr("About(&A)..."), {});

    for (QAction *a : {New1, Analysis1, CaseWork1, N1, Magnifier1, Settings1})
        a->setShortcutContext(Qt::WindowShortcut);

    connect(New1, &QAction::triggered, this, [this] { New1Click(); });
    connect(Analysis1, &QAction::triggered, this, [this] { Analysis1Click(); });
    connect(CaseWork1, &QAction::triggered, this, [this] { CaseWork1Click(); });
    connect(N4, &QAction::triggered, this, [this] { N4Click(); });
    connect(N3, &QAction::triggered, this, [this] { N3Click(); });
    connect(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
    connect(N1, &QAction::triggered, this, [this] { N1Click(); });
    connect(Magnifier1, &QAction::triggered, this, [this] { Magnifier1Click(); });
    connect(Settings1, &QAction::triggered, this, [this] { Settings1Click(); });
    connect(Help2, &QAction::triggered, this, [this] { Help2Click(); });
    connect(About1, &QAction::triggered, this, [this] { About1Click(); });
}

// realign() places the panels by their alignment from the sizes the layout steps request:
// MenuPanel at the right at full height, InOutPanel filling the rest, InputPanel at its top and
// OutputPanel at its bottom at full width, the row panels stacked at the top of OutputPanel.
void TForm1::realign()
{
    const QSize c = centralWidget()->size();
    MenuPanel->setGeometry(c.width() - requested_.menuWidth, 0, requested_.menuWidth, c.height());
    InOutPanel->setGeometry(0, 0, c.width() - requested_.menuWidth, c.height());
    const QSize io = InOutPanel->size();
    InputPanel->setGeometry(0, 0, io.width(), requested_.inputHeight);
    OutputPanel->setGeometry(0, io.height() - requested_.outputHeight, io.width(), requested_.outputHeight);
    for (int i = 0; i < 4; ++i)
        RowPanels[i]->setGeometry(0, i * requested_.rowHeight, OutputPanel->width(), requested_.rowHeight);
    ListBox3->setGeometry(0, 0, MenuPanel->width(), requested_.listHeight);
}

void TForm1::FormCreate()
{
    // Panels follow the window's client area first, as their alignment makes them do.
    if (layout())
        layout()->activate();
    realign();
    requested_.menuWidth = korven::menuPanelWidth(width(), InOutPanel->width());
    realign();
    requested_.inputHeight = InOutPanel->height() / 2;
    requested_.outputHeight = InOutPanel->height() / 2;
    realign();
    requested_.menuWidth = InOutPanel->width() / 5;
    realign();
    requested_.rowHeight = OutputPanel->height() / 4;
    realign();
    columnStep();

    wrapButtonCaptions();
    Button1->setText(tr("Evaluation"));
    Button2->setText(tr("Next"));
    created_ = true;
}

void TForm1::FormResize()
{
    realign();
    requested_.inputHeight = InOutPanel->height() / 2;
    requested_.outputHeight = InOutPanel->height() / 2;
    realign();
    requested_.menuWidth = korven::menuPanelWidth(width(), InOutPanel->width());
    realign();
    requested_.rowHeight = OutputPanel->height() / 4;
    realign();
    const auto rects = korven::slotRects(RowPanels[0]->width(), RowPanels[0]->height());
    for (int s = 0; s < SlotCount; ++s) {
        SlotPanels[s]->setGeometry(rects[s]);
        SlotLabels[s]->move(SlotInsetLeft, SlotInsetTop);
    }
    columnStep();
}

void TForm1::columnStep()
{
    const auto g = korven::columnStep(MenuPanel->width(), InputPanel->height(), OutputPanel->y(),
                                      OutputPanel->height());
    requested_.listHeight = g.listBoxHeight;
    ListBox3->setGeometry(0, 0, MenuPanel->width(), requested_.listHeight);
    Panel5->setGeometry(g.panel5);
    Button2->setGeometry(g.button2);
    Button4->setGeometry(g.button4);
    Button1->setGeometry(g.button1);
    Button5->setGeometry(g.button5);
    Button6->setGeometry(g.button6);
    Button3->setGeometry(g.button3);
    for (QLabel *l : {Label57, Label58, Label1})
        l->adjustSize();
    const auto c = korven::clockLabels(Panel5->width(), Panel5->height(), Label57->size(),
                                       Label58->size(), Label1->size());
    Label57->move(c.label57);
    Label58->move(c.label58);
    Label1->move(c.label1);
    setClockSeconds(Label58->text());
}

// The seconds stand between "Time:" and "Sec". In a narrow column a count of three or four digits
// is wider than the gap between the two; "Sec" then steps aside rather than being written over,
// and comes back once the count fits again.
void TForm1::setClockSeconds(const QString &text)
{
    Label58->setText(text);
    Label58->adjustSize();
    Label1->setVisible(text.isEmpty() || Label58->geometry().right() < Label1->x());
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (created_)
        FormResize();
}

void TForm1::Exit1Click()
{
    exiting_ = true;
    close();
    if (PasswordDlg)
        PasswordDlg->close();
    QApplication::quit();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // Closing the exercise window in any way ends the program.
    event->accept();
    QApplication::quit();
}

void TForm1::Settings1Click()
{
    if (PagesDlg)
        korven::ui::execModal(PagesDlg);
}

void TForm1::Help2Click()
{
    const QString folder = korven::programFolder();
    QString path = folder + QStringLiteral("/KORVENHelp.chm");
    if (!QFileInfo::exists(path)) {
        // The manual in the interface's language, the English one when that is missing.
        path = folder + QLatin1Char('/') + korven::helpFileName(korven::currentLanguage());
        if (!QFileInfo::exists(path))
            path = folder + QLatin1Char('/') + korven::helpFileName(korven::Language::English);
    }
    korven::ui::openManual(path, this);
}

void TForm1::About1Click()
{
    if (AboutBox)
        korven::ui::execModal(AboutBox);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    // A dialog or another window taking over in the middle of a drag ends the drag.
    if (event->type() == QEvent::WindowDeactivate && watched == this) {
        cancelPieceDrag();
        hideMagnifier();
    }
    // The magnifier follows the pointer over the window; the middle button shows it while held.
    // It only looks: the event goes on to its receiver unchanged.
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        if (watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::MiddleButton)
                middleHeld_ = event->type() == QEvent::MouseButtonPress;
            updateMagnifier(mouse->globalPosition().toPoint());
        }
        break;
    case QEvent::Leave:
        if (watched == this || qobject_cast<PieceImage *>(watched)
            || (Form16 && watched->isWidgetType() && Form16->isAncestorOf(static_cast<QWidget *>(watched))))
            hideMagnifier();
        break;
    default:
        break;
    }
    // Choosing a number in the problem list with the keyboard loads it, as a click does.
    if (event->type() == QEvent::KeyPress && watched == ListBox3) {
        const int before = ListBox3->currentRow();
        static_cast<QObject *>(ListBox3)->event(event);
        if (ListBox3->currentRow() != before && ListBox3->currentRow() >= 0)
            ListBox3Click();
        else
            showLoadedProblemInList();
        return true;
    }
    // Every wheel turn over the window goes to the window's wheel handler and stops there.
    if (event->type() == QEvent::Wheel && watched->isWidgetType()) {
        auto *w = static_cast<QWidget *>(watched);
        if (w->window() == this) {
            // One notch (120 units) is one call; fine-grained wheels and touchpads send parts of
            // a notch, which add up, and scroll phases without movement turn nothing.
            const QPoint angle = static_cast<QWheelEvent *>(event)->angleDelta();
            const int notches = korven::takeWheelNotches(wheelRemainder_, angle.y() != 0 ? angle.y() : angle.x());
            for (int i = 0; i < std::abs(notches); ++i)
                FormMouseWheel(notches > 0 ? 120 : -120);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
