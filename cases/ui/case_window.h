#pragma once
// The case window: choose a case, count each cell of it, arrange cell 1 into a karyogram, write
// its karyotype, have it graded and see the answer. The window wires the places together; the
// rules live in cases/.
#include "cases/case_folder.h"
#include "cases/case_grading.h"
#include "cases/case_records.h"
#include "cases/ui/case_answer.h"
#include "cases/ui/case_places.h"

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

// A count mark as the window keeps it: the piece it lies on and where on the piece's picture.
struct CountMarkAt {
    int index = 0;
    QPointF at;
};

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
    // The shown cell's pieces wherever they lie, in the case's order.
    std::vector<CasePieceWidget *> pieceWidgets() const;
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

    // ---- What the places pass on from their pieces.
    void choosePiece(CasePieceWidget *piece);
    // Turns a piece half round (a double-click, or the key on the piece under the pointer).
    void turnOver(CasePieceWidget *piece);
    // One wheel notch on the chosen piece: turns it one step (delta < 0: back).
    void turnChosen(int delta);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void showCell(int cell, bool movable);
    void showAreas(); // the places and the grading this stage has room for
    void clearPieces();
    void wirePlace(PiecePlace *place);
    void placesChanged();
    void pieceClicked(CasePieceWidget *piece, const QPoint &pos);
    void wheelTurned(int units);
    void pointerAt(CasePieceWidget *piece, const QPoint &globalPos, bool middleHeld);
    CasePieceValue valueOf(int index, int step) const;
    void showMarks(const std::vector<CountMarkAt> &marks); // on the shown cell's pieces
    void updateCountControls();
    void startArranging();
    void updateMagnifier(CasePieceWidget *piece, const QPoint &globalPos);
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
    std::vector<CountMarkAt> marks_;          // the shown cell's count marks in the order of marking
    std::vector<int> counts_;                // given count per cell (-1: not yet)
    std::vector<std::vector<CountMarkAt>> cellMarks_; // per cell, its marks as confirmed
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

    QPointer<CasePieceWidget> chosen_;
    int wheelRemainder_ = 0;
    bool middleHeld_ = false;
};
