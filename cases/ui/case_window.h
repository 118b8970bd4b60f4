#pragma once
// The case window: choose a case, count each cell of it, arrange cell 1 into a karyogram, write
// its karyotype, have it graded and see the answer. The window wires the places together; the
// rules live in cases/.
#include "cases/case_folder.h"
#include "cases/case_grading.h"
#include "cases/case_records.h"
#include "cases/ui/case_answer.h"
#include "cases/ui/case_places.h"
#include "exercise/ui/piece_drag.h"

#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <vector>

class QAction;
class QComboBox;
class QHBoxLayout;
class QVBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;
class CasePieceWidget;
class CaseAnswerWindow;
class KaryogramView;
class Magnifier;
class PiecePlace;
class SpreadPlace;

class CaseWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit CaseWindow(const QString &userId, QWidget *parent = nullptr);
    ~CaseWindow() override;

    enum class Stage { NoCase, Counting, Arranging, Evaluated };

    // Whether the case in hand holds work that leaving it would lose: marks, a confirmed count,
    // placed pieces or a written karyotype not yet graded.
    bool hasWork() const;

    // The case list again, from the Cases folders and the user's records.
    void refreshCaseList();
    // Opens the case at row `row` of the case list: its first cell is shown for counting. When
    // the case in hand holds work, asks first; false when the trainee keeps it.
    bool openCase(int row);
    void confirmCount();
    // Grades and records the case; asks first when no karyotype is written.
    void evaluate();
    void showAnswer();
    // After grading: shows cell `cell` as counted, with the trainee's marks and the chromosomes not
    // counted outlined (0: the graded karyogram of cell 1).
    void reviewCell(int cell);
    int reviewedCell() const { return reviewed_; }

    Stage stage() const { return stage_; }
    const korven::CaseFolder &currentCase() const { return case_; }
    int countingCell() const { return countingCell_; } // from 1
    int markCount() const { return int(marks_.size()); }
    const std::vector<CasePieceWidget *> &pieceWidgets() const { return pieces_; }
    CasePieceWidget *chosenPiece() const { return chosen_; }
    QString recordPath() const;
    // True when the ID was opened without its lock (its folder cannot be written): no case result
    // is recorded then.
    bool readOnlyResults() const;

    // Controls, by their object names as well.
    QListWidget *caseList = nullptr;     // "CaseList"
    QTableWidget *myCases = nullptr;     // "MyCases"
    QLabel *recordNote = nullptr;        // "RecordNote": the record file not read whole, or not written
    SpreadPlace *spread = nullptr;       // "Spread"
    KaryogramView *karyogram = nullptr;  // "Karyogram"
    QLabel *stepLabel = nullptr;         // "StepLabel": what to do now
    QLabel *marksLabel = nullptr;        // "MarksLabel"
    QSpinBox *countBox = nullptr;        // "CountBox"
    QPushButton *confirmButton = nullptr; // "ConfirmCount"
    QLabel *cellStrip = nullptr;         // "CellStrip": the counts so far
    QComboBox *reviewChoice = nullptr;   // "ReviewChoice": after grading, the karyogram or a cell's count
    QLineEdit *karyotypeEdit = nullptr;  // "KaryotypeEdit"
    QLabel *formFault = nullptr;         // "FormFault"
    QPushButton *evaluateButton = nullptr; // "Evaluate"
    QPushButton *answerButton = nullptr;   // "ShowAnswer"
    QLabel *scoreLine = nullptr;         // "ScoreLine"
    QListWidget *elementLines = nullptr; // "ElementLines"
    QAction *magnifierAction = nullptr;  // "Magnifier", F6
    Magnifier *loupe = nullptr;
    QPointer<CaseAnswerWindow> answerWindow;

    // ---- The pieces' side: a press, the drag, a right-click.
    void beginPieceDrag(CasePieceWidget *piece, const QPoint &globalPos);
    void movePieceDrag(const QPoint &globalPos);
    void endPieceDrag(const QPoint &globalPos);
    void cancelPieceDrag();
    void choosePiece(CasePieceWidget *piece);
    // Turns a piece half round (a double-click, or the key on the piece under the pointer).
    void turnOver(CasePieceWidget *piece);
    // One wheel notch on the chosen piece: turns it one step (delta < 0: back).
    void turnChosen(int delta);
    // The place that takes a drop at globalPos, or nullptr.
    PiecePlace *placeAt(const QPoint &globalPos) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void showCell(int cell, bool movable);
    void showAreas(); // the places and the grading this stage has room for
    void clearPieces();
    void toggleMark(CasePieceWidget *piece);
    void updateCountControls();
    void startArranging();
    void updateMagnifier(const QPoint &globalPos);
    void updateMyCases(const korven::CaseSummary &summary);
    bool askToLeave();
    void showArrangement(); // cell 1 as arranged when graded, with its grades
    void gradePieces();
    QString caseTitle() const;

    QHBoxLayout *workLayout_ = nullptr;   // the spread's column beside the karyogram
    QVBoxLayout *spreadColumn_ = nullptr;
    QString userId_;
    std::vector<korven::CaseEntry> entries_;
    korven::CaseFolder case_;
    int caseRow_ = -1;
    std::vector<QImage> sources_;            // per case piece
    std::vector<CasePieceWidget *> pieces_;  // the shown cell's pieces
    std::vector<CasePieceWidget *> marks_;   // marked pieces in the order of marking
    std::vector<int> counts_;                // given count per cell (-1: not yet)
    std::vector<std::vector<int>> cellMarks_; // per cell, the pieces marked, in the order of marking
    // Cell 1 as it was graded: each piece's place and turn, kept for the review.
    struct Placed {
        int index = 0;
        int group = korven::InSpread;
        int step = 0;
        QPointF centre;
    };
    std::vector<Placed> arranged_;
    int reviewed_ = 0;
    int countingCell_ = 0;
    Stage stage_ = Stage::NoCase;
    QElapsedTimer clock_;
    int tallest_ = 0;

    PieceDrag drag_;
    QPointer<CasePieceWidget> chosen_;
    int wheelRemainder_ = 0;
    bool middleHeld_ = false;
};
