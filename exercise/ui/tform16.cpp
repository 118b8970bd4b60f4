#include "exercise/ui/tform16.h"

#include "exercise/main_layout.h"

#include <QResizeEvent>
#include <QStyle>
#include <QToolButton>

TForm16 *Form16 = nullptr;

namespace {
constexpr int TitleBarHeight = 22;

QFont pixelFont(const QString &family, int pixels)
{
    QFont f(family);
    f.setPixelSize(pixels);
    return f;
}
} // namespace

TForm16::TForm16(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(tr("KORVEN  Correct answer"));
    setFont(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    setAutoFillBackground(true);

    TitleBar = new QFrame(this);
    TitleBar->setObjectName(QStringLiteral("TitleBar"));
    TitleBar->setAutoFillBackground(true);
    QPalette bar = TitleBar->palette();
    bar.setColor(QPalette::Window, bar.color(QPalette::Active, QPalette::Highlight));
    bar.setColor(QPalette::WindowText, bar.color(QPalette::Active, QPalette::HighlightedText));
    TitleBar->setPalette(bar);
    TitleLabel = new QLabel(windowTitle(), TitleBar);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    QFont bold = font();
    bold.setBold(true);
    TitleLabel->setFont(bold);
    CloseButton = new QToolButton(TitleBar);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    CloseButton->setToolTip(tr("Close"));
    CloseButton->setAutoRaise(false);
    CloseButton->setFocusPolicy(Qt::NoFocus);
    connect(CloseButton, &QToolButton::clicked, this, &QWidget::close);

    OutputPanel = new QFrame(this);
    OutputPanel->setObjectName(QStringLiteral("OutputPanel"));
    for (int r = 0; r < 4; ++r) {
        RowPanels[r] = new QFrame(OutputPanel);
        RowPanels[r]->setObjectName(QStringLiteral("Panel%1").arg(r + 1));
    }
    for (int k = 0; k < SlotCount; ++k) {
        auto *slot = new QFrame(RowPanels[korven::rowOfSlot(k)]);
        slot->setObjectName(QStringLiteral("Panel%1").arg(k + 10));
        slot->setFrameShape(QFrame::Panel);
        slot->setFrameShadow(QFrame::Raised);
        slot->setAutoFillBackground(true);
        QPalette white = slot->palette();
        white.setColor(QPalette::Window, Qt::white);
        slot->setPalette(white);
        AnswerSlots[k] = slot;
        AnswerLabels[k] = new QLabel(slot);
        AnswerLabels[k]->setObjectName(QStringLiteral("Label%1").arg(k + 10));
        AnswerImages[k] = new QLabel(slot);
        AnswerImages[k]->setObjectName(QStringLiteral("Image%1").arg(k));
        AnswerImages[k]->setAttribute(Qt::WA_TranslucentBackground);
        AnswerImages[k]->setMouseTracking(true); // the magnifier follows the pointer over it
    }
    resize(600, 400);
}

TForm16::~TForm16()
{
    // The window may be destroyed with the work area it lies in; the global must not dangle.
    if (Form16 == this)
        Form16 = nullptr;
}

void TForm16::layOut()
{
    TitleBar->setGeometry(0, 0, width(), TitleBarHeight);
    const int buttonSize = TitleBarHeight - 4;
    CloseButton->setGeometry(width() - buttonSize - 2, 2, buttonSize, buttonSize);
    TitleLabel->adjustSize();
    TitleLabel->move(6, (TitleBarHeight - TitleLabel->height()) / 2);

    OutputPanel->setGeometry(0, TitleBarHeight, width(), height() - TitleBarHeight);
    const int h = OutputPanel->height();
    const int w = OutputPanel->width();
    for (int r = 0; r < 4; ++r)
        RowPanels[r]->setGeometry(0, r * h / 4, w, h / 4);
    const auto rects = korven::slotRects(w, h / 4);
    for (int k = 0; k < SlotCount; ++k)
        AnswerSlots[k]->setGeometry(rects[k]);
}

void TForm16::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}
