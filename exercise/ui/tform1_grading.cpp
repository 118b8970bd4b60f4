// Grading with correction rounds, and showing the correct answer.
#include "exercise/ui/tform1.h"
#include "exercise/ui/tform16.h"

#include "analysis/ui/tpages_dlg.h"
#include "program/program_folder.h"
#include "forms/messages.h"
#include "exercise/bitmap_transform.h"
#include "exercise/board_rules.h"
#include "files/errors.h"
#include "exercise/grading.h"
#include "exercise/slot_labels.h"
#include "users/trial_records.h"
#include "users/user_files.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QFontMetrics>
#include <QStylePainter>
#include <QTimer>

namespace {

void closeAnswerWindow()
{
    if (Form16)
        Form16->close();
}

// Paints a push button's caption wrapped at word boundaries to the button's width, as a
// multi-line button does: the score captions and "Correct answer" are wider than the half-width
// Evaluation and Correct answer buttons.
class WrappedCaption : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto *button = static_cast<QPushButton *>(watched);
        QStylePainter painter(button);
        QStyleOptionButton option;
        option.initFrom(button);
        option.state |= button->isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
        if (button->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        painter.drawControl(QStyle::CE_PushButtonBevel, option);
        const QRect area = button->style()
                               ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                               .adjusted(2, 0, -2, 0);
        // A caption that does not fit (the score captions on a small window) is drawn in a
        // smaller type rather than clipped, so the score stays readable.
        constexpr int flags = Qt::AlignCenter | Qt::TextWordWrap;
        QFont font = button->font();
        for (int px = QFontInfo(font).pixelSize(); px > 7; --px) {
            font.setPixelSize(px);
            const QRect needed = QFontMetrics(font).boundingRect(area, flags, button->text());
            if (needed.width() <= area.width() && needed.height() <= area.height())
                break;
        }
        painter.setFont(font);
        button->style()->drawItemText(&painter, area, flags,
                                      option.palette, button->isEnabled(), button->text(),
                                      QPalette::ButtonText);
        return true;
    }
};

void wrapCaption(QPushButton *button)
{
    static const char *const Installed = "korvenWrappedCaption";
    if (button->property(Installed).toBool())
        return;
    button->installEventFilter(new WrappedCaption(button));
    button->setProperty(Installed, true);
}

void paintSlot(QWidget *slot, const QColor &colour)
{
    QPalette pal = slot->palette();
    pal.setColor(QPalette::Window, colour);
    slot->setPalette(pal);
}

} // namespace

// Grades every slot and shows the marks: the slot colours and, in reference mode (the settings
// dialog's tick), the names of misplaced chromosomes. Returns the results.
static korven::SlotResults gradeAndMark(TForm1 *form)
{
    const bool female = form->isFemaleProblem();
    const auto results = korven::gradeBoard(form->SlotContent, form->PieceRotation, female,
                                            form->RotationSteps);
    const bool reference = PagesDlg ? PagesDlg->Cheat->isChecked() : form->N1->isChecked();
    for (int s = 0; s < TForm1::SlotCount; ++s) {
        paintSlot(form->SlotPanels[s], korven::slotColour(results[s]));
        QLabel *label = form->SlotLabels[s];
        label->setText(korven::markSlotLabel(s, form->SlotContent[s], results[s], female, reference));
        label->adjustSize();
    }
    return results;
}

// Called when the window is created, before either button shows a caption.
void TForm1::wrapButtonCaptions()
{
    wrapCaption(Button1);
    wrapCaption(Button5);
}

void TForm1::Button1Click()
{
    if (EvaluationCount >= 1) {
        // A correction round: the pieces move again and each press shows fresh marks; the caption
        // keeps the first score and counts the rounds before this one.
        Button1->setText(korven::correctionCaption(LastScore, EvaluationCount));
        ++EvaluationCount;
        ShowElapsed = 1;
        PiecesMovable = 1;
        setPiecesDragMode(true);
        gradeAndMark(this);
        repaint();
        return;
    }

    EvaluationCount = 1;
    closeAnswerWindow();
    ListBox1->setEnabled(true);
    Button1->setEnabled(true);
    Button2->setEnabled(true);
    Button3->setEnabled(true);
    Button4->setEnabled(false);
    Button4->setText(tr("Start"));
    Button5->setEnabled(true);
    Button6->setEnabled(false);

    // The clock stops before anything is recorded, so the answer time cannot change below.
    ShowElapsed = 0;
    PiecesMovable = 0;
    Timer1->stop();
    setPiecesDragMode(false);

    CurrentProblemName = problemNameAt(ProblemPosition);
    const korven::SlotResults results = gradeAndMark(this);
    const int score = korven::scoreOf(results);
    Button1->setText(korven::firstEvaluationCaption(score));
    LastScore = score;
    repaint();

    // Only the first evaluation of a trial is recorded. If that fails, the marks stay and the
    // trainee is told the trial was not recorded.
    if (property("readOnlyResults").toBool())
        return; // the ID's folder cannot be written; said at login
    const QString path = korven::recordPath(korven::resultFolder(), UserId);
    try {
        const QListWidgetItem *item = ListBox3->item(ProblemPosition);
        if (!item)
            throw korven::KorvenError(
                tr("No problem number at position %1 of the problem list.").arg(ProblemPosition));
        korven::appendTrialRecord(path, results, item->text(), ElapsedSeconds);
    } catch (const korven::KorvenError &e) {
        korven::ui::reportError(tr("This trial was not recorded in %1.\n%2")
                                    .arg(QDir::toNativeSeparators(path), e.message()));
    }
}

void TForm1::Button5Click()
{
    Button1->setEnabled(false);
    EvaluationCount = 0;

    showCorrectAnswer();

    Button5->setEnabled(false);
    Button5->setText(tr("Finish"));
    Button6->setEnabled(true);
}

// Fills the correct-answer window with the current problem's karyogram, every chromosome upright
// in its own slot, and lays it over the work area without waiting for it.
void TForm1::showCorrectAnswer()
{
    if (!Form16)
        Form16 = new TForm16();
    TForm16 *answer = Form16;
    if (answer->parentWidget() != InputPanel) {
        answer->setParent(InputPanel, Qt::Widget);
        answer->setFont(font());
    }
    answer->setGeometry(0, 0, InputPanel->width() - 20, InputPanel->height());
    answer->layOut();

    const bool female = isFemaleProblem();
    for (int k = 0; k < TForm16::SlotCount; ++k) {
        QFrame *slot = answer->AnswerSlots[k];
        QLabel *label = answer->AnswerLabels[k];
        label->setText(korven::answerSlotLabel(k, female));
        label->adjustSize();
        label->move(SlotInsetLeft, SlotInsetTop);

        // Upright, whole: drawn smaller when the slot cannot show it at the board's size.
        QLabel *image = answer->AnswerImages[k];
        const float scale = korven::slotScale(SourceBitmaps[k].size(), Magnification, std::nullopt,
                                              slot->size(), SlotInsetTop);
        korven::PiecePicture picture;
        if (!SourceBitmaps[k].isNull())
            picture = korven::drawPiecePicture(SourceBitmaps[k], scale, std::nullopt, image->devicePixelRatioF());
        answer->AnswerScales[k] = picture.pixels.isNull() ? 0.0f : scale;
        if (picture.pixels.isNull()) {
            image->clear();
            image->resize(0, 0);
            continue;
        }
        image->setPixmap(QPixmap::fromImage(picture.shown));
        image->resize(picture.size);
        image->move(korven::centreInSlot(slot->size(), picture.size, SlotInsetTop));
    }

    answer->move(0, 0);
    answer->show();
    answer->raise();
}
