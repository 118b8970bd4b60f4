// The course of a trial: Next, a pick in the problem list, Start/Pause/Restart, the clock, Reset,
// Finish and the Analysis button.
#include "exercise/ui/tform1.h"

#include "analysis/ui/tokbottom_dlg.h"
#include "analysis/ui/tpages_dlg.h"
#include "program/program_folder.h"
#include "forms/messages.h"
#include "exercise/bitmap_transform.h"
#include "exercise/board_rules.h"
#include "exercise/catalogue.h"
#include "files/errors.h"
#include "exercise/problem_loader.h"
#include "exercise/random.h"
#include "exercise/scatter.h"
#include "exercise/ui/tform16.h"

#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {

const QString TimeOver = QStringLiteral("タイムオーバー");
const QString CannotReadFile = QStringLiteral("ファイルが読めない");
constexpr int TimeLimitSeconds = 10000;

void closeAnswerWindow()
{
    if (Form16)
        Form16->close();
}

void setCaption(QLabel *label, const QString &text)
{
    label->setText(text);
    label->adjustSize();
}

} // namespace

void ProblemList::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    emit released();
}

void TForm1::buildCatalogue()
{
    const QStringList names = korven::availableProblems(korven::imagesFolders());
    ListBox1->clear();
    ListBox1->addItems(names);
    ListBox3->clear();
    ListBox3->addItems(korven::problemNumbers(int(names.size())));
    ProblemOrder = korven::identityProblemOrder(int(names.size()));
}

void TForm1::LoadProblem(const QString &name)
{
    TallestPieceHeight = 0;
    ListBox2->clear();
    QStringList checkValues;
    korven::LoadReport report;
    try {
        report = korven::loadProblem(korven::imagesFolderOf(name), name, SourceBitmaps, checkValues);
    } catch (...) {
        // The board keeps what was read before the fault.
        ListBox2->addItems(checkValues);
        throw;
    }
    ListBox2->addItems(checkValues);
    if (report.unreadable)
        setCaption(Label1, CannotReadFile);

    const std::array<int, 4> rowSlotWidths{SlotPanels[0]->width(), SlotPanels[10]->width(),
                                           SlotPanels[24]->width(), SlotPanels[36]->width()};
    FitScale = korven::computeFitScale(SourceBitmaps, RowPanels[0]->height(), SlotInsetTop,
                                       rowSlotWidths, &TallestPieceHeight);
    int trackBar = PagesDlg ? PagesDlg->TrackBar1->value() : 10;
    const float magnification = korven::computeMagnification(MagnificationMode, trackBar, FitScale);
    // Moving the track bar runs the settings dialog's own change handler, as a user's move would;
    // the load's magnification is set after it.
    if (PagesDlg)
        PagesDlg->TrackBar1->setValue(trackBar);
    Magnification = magnification;
}

void TForm1::ScatterPieces()
{
    hideMagnifier(); // the piece it showed is drawn anew
    korven::RandomGenerator &rng = korven::globalRandom();
    rng.seedFromTickCount();
    for (int k = 0; k < PieceCount; ++k) {
        PieceImage *piece = PieceImages[k];
        piece->show();
        const QPoint centre = korven::centreOf(piece->geometry());
        PieceCentreX[k] = centre.x();
        PieceCentreY[k] = centre.y();
        PieceRotation[k] = korven::drawRotation(rng, RotationSteps);
        slotCapFrom_[k] = 0.0f;
        drawPiece(k, Magnification, korven::stepAngle(RotationSteps, PieceRotation[k]));
        const int top = korven::drawTop(rng, InputPanel->height(), piece->height());
        const int left = korven::drawLeft(rng, InputPanel->width(), piece->width());
        piece->move(left, top);
    }
}

void TForm1::loadProblemAt(int position)
{
    ResetSlots();
    setSexSlotCaptions();
    loadedPosition_ = -1;

    try {
        const int index = position >= 0 && position < int(ProblemOrder.size()) ? ProblemOrder[position] : -1;
        if (index < 0 || index >= ListBox1->count()) {
            if (ListBox1->count() == 0)
                throw korven::KorvenError(
                    tr("No problem to load: the folder %1 holds none of the problem sets.")
                        .arg(korven::imagesFolders().join(QStringLiteral(" nor "))));
            throw korven::KorvenError(tr("There is no problem number %1.").arg(position + 1));
        }
        ListBox3->setCurrentRow(position);
        ListBox1->setCurrentRow(index);
        ProblemPosition = position;
        const QString name = ListBox1->item(index)->text();

        returnPiecesToInputPanel();
        LoadProblem(name);
    } catch (...) {
        // A problem that could not be read is not shown, and no trial can start on the empty
        // board (it would record a trial of a problem the trainee never saw).
        hideAllPieces();
        disableTrialButtons();
        showLoadedProblemInList();
        throw;
    }
    ScatterPieces();

    SlotContent.fill(-1);
    setPiecesDragMode(false);
    Button2->setText(tr("Next"));
    loadedPosition_ = position;
}

void TForm1::disableTrialButtons()
{
    Button1->setEnabled(false);
    Button4->setEnabled(false);
    Button5->setEnabled(false);
}

void TForm1::showLoadedProblemInList()
{
    if (loadedPosition_ >= 0 && loadedPosition_ < ListBox3->count()) {
        ListBox3->setCurrentRow(loadedPosition_);
    } else {
        ListBox3->clearSelection();
        ListBox3->setCurrentRow(-1);
    }
}

// The controls and clock of a problem about to be loaded by Next or a pick: Start enabled,
// Evaluation and Correct answer disabled, the clock stopped at 0.
void TForm1::prepareReadyState()
{
    TallestPieceHeight = 0;
    ListBox1->setEnabled(true);
    Button1->setEnabled(false);
    Button3->setEnabled(true);
    Button4->setEnabled(true);
    Button4->setText(tr("Start"));
    Button5->setEnabled(false);
    ShowElapsed = 1;
    ClockRunning = 0;
    Timer1->stop();
    ElapsedSeconds = 0;
    setClockSeconds(QStringLiteral("0"));
}

// Next: a random problem (the current one may come again), ready to start.
void TForm1::Button2Click()
{
    EvaluationCount = 0;
    closeAnswerWindow();
    Button1->setText(tr("Evaluation"));
    prepareReadyState();
    const int position = korven::globalRandom().range(0, ListBox3->count());
    loadProblemAt(position);
    update();
}

// A pick in the problem list. A click that leaves no number selected is ignored.
void TForm1::ListBox3Click()
{
    const QList<QListWidgetItem *> selected = ListBox3->selectedItems();
    if (selected.isEmpty())
        return;
    const int position = ListBox3->row(selected.first());

    PiecesMovable = 0;
    prepareReadyState();
    // The answer of the problem being left goes first, so that a failed load does not leave it
    // over the empty work area.
    EvaluationCount = 0;
    closeAnswerWindow();
    loadProblemAt(position);
}

// Start / Pause / Restart.
void TForm1::Button4Click()
{
    ListBox1->setEnabled(true);
    Button1->setEnabled(true);
    Button2->setEnabled(true);
    Button4->setEnabled(true);
    Button3->setEnabled(false);
    Button5->setEnabled(false);
    Button5->setText(tr("Correct answer"));
    if (ClockRunning == 0) {
        PiecesMovable = 1;
        setPiecesDragMode(true);
        Button4->setText(tr("Pause"));
        Timer1->start();
        ClockRunning = 1;
    } else {
        PiecesMovable = 0;
        setPiecesDragMode(false);
        Button4->setText(tr("Restart"));
        Timer1->stop();
        ClockRunning = 0;
    }
    update();
}

void TForm1::Timer1Timer()
{
    ++ElapsedSeconds;
    if (ShowElapsed == 1)
        setClockSeconds(QString::number(ElapsedSeconds));
    if (ElapsedSeconds >= TimeLimitSeconds) {
        setCaption(Label57, TimeOver);
        setClockSeconds(QString());
        setCaption(Label1, QString());
    }
}

// Reset empties the board and stops the clock. Nothing is loaded afterwards, so the list
// highlights no number and nothing can start or grade a trial until Next or a pick; the other
// enabled states stay as they are. It also clears ClockRunning, so the next "Start" starts the
// clock instead of pausing it.
void TForm1::New1Click()
{
    hideAllPieces();
    loadedPosition_ = -1;
    showLoadedProblemInList();
    disableTrialButtons();
    ResetSlots();
    setSexSlotCaptions();
    Button1->setText(tr("Evaluation"));
    Button2->setText(tr("Next"));
    Button2->setFocus();
    Button4->setText(tr("Start"));
    Timer1->stop();
    ElapsedSeconds = 0;
    setClockSeconds(QStringLiteral("0"));
    ClockRunning = 0;
}

// Finish: back to the empty board.
void TForm1::Button6Click()
{
    EvaluationCount = 0;
    closeAnswerWindow();
    Button1->setText(tr("Evaluation"));
    TallestPieceHeight = 0;
    ListBox1->setEnabled(true);
    Button1->setEnabled(false);
    Button3->setEnabled(true);
    Button4->setEnabled(false);
    Button4->setText(tr("Start"));
    Button5->setText(tr("Correct answer"));
    Button5->setEnabled(false);
    Button6->setEnabled(false);
    loadedPosition_ = -1;
    showLoadedProblemInList();
    ShowElapsed = 1;
    ClockRunning = 0;
    Timer1->stop();
    ElapsedSeconds = 0;
    setClockSeconds(QStringLiteral("0"));
    ResetSlots();
    hideAllPieces();
    setSexSlotCaptions();
    returnPiecesToInputPanel();
    update();
    Button2->setText(tr("Next"));
}

void TForm1::Button3Click()
{
    closeAnswerWindow();
    Button5->setEnabled(false);
    if (OKBottomDlg)
        korven::ui::execModal(OKBottomDlg);
}

void TForm1::Analysis1Click()
{
    closeAnswerWindow();
    if (OKBottomDlg)
        korven::ui::execModal(OKBottomDlg);
}

void TForm1::pressDefaultButton()
{
    auto *focused = qobject_cast<QPushButton *>(focusWidget());
    QPushButton *button = focused && focused->isEnabled() ? focused : Button2;
    if (button->isEnabled())
        button->click();
}
