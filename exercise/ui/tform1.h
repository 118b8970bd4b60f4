#pragma once
// The exercise window: the work area (scatter panel above the karyogram), the column of controls,
// the menu, and the board of 46 pieces and 46 slots. Member functions are defined in the folder of
// the subsystem they belong to: layout and menu in app/ui, board, trial, moving, placing, grading
// and reference mode in exercise/ui, printing in analysis/ui.
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <optional>

#include "exercise/piece_picture.h"
#include "exercise/ui/piece_drag.h"

class QAction;
class QPushButton;
class QTableWidget;
class QTimer;

class TForm1;
class Magnifier;

// A chromosome piece on the board ("Image0" .. "Image45"): a transparent picture that starts a
// drag with the left button when in automatic drag mode.
class PieceImage : public QLabel {
    Q_OBJECT
public:
    PieceImage(int index, QWidget *parent);
    int index() const { return index_; }
    bool automaticDrag = false;

    // Shows a 24-bit picture with white as transparent and takes its size.
    void setPicture(const QImage &image24);
    // The same for a drawn picture, which also records the scale and turn it was drawn with.
    void setPicture(const korven::PiecePicture &picture);
    const QImage &picture() const { return picture_; }
    float shownScale() const { return shownScale_; }
    std::optional<float> shownAngle() const { return shownAngle_; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    int index_;
    QImage picture_;
    float shownScale_ = 0.0f;
    std::optional<float> shownAngle_;
    bool pressed_ = false;
};

// A panel of the exercise window: InputPanel, OutputPanel, row panels and slot panels.
class BoardPanel : public QFrame {
    Q_OBJECT
public:
    explicit BoardPanel(const QString &name, QWidget *parent);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};

// The problem list (ListBox3). A press on one number and a release off it moves the highlight
// without a click; `released` lets the window put the highlight back on the loaded problem.
class ProblemList : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

signals:
    void released();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    static constexpr int PieceCount = 46;
    static constexpr int SlotCount = 46;

    // ---- Menu (app/ui/tform1.cpp)
    QAction *New1 = nullptr;       // "Reset", F1
    QAction *Analysis1 = nullptr;  // "Analysis", F12
    QAction *CaseWork1 = nullptr;  // "Case work...", F9
    QAction *N4 = nullptr;         // "Printer Settings..."
    QAction *N3 = nullptr;         // "Print(A4 size only)"
    QAction *Exit1 = nullptr;      // "Exit(&X)"
    QAction *N1 = nullptr;         // "Reference mode", F4, check item
    QAction *Magnifier1 = nullptr; // "Magnifier", F6, check item
    QAction *Settings1 = nullptr;  // "Settings...", F8
    QAction *Help2 = nullptr;      // "Help(&C)"
    QAction *About1 = nullptr;     // "About(&A)..."

    // ---- Controls
    QWidget *MenuPanel = nullptr;
    QWidget *InOutPanel = nullptr;
    BoardPanel *InputPanel = nullptr;
    BoardPanel *OutputPanel = nullptr;
    std::array<BoardPanel *, 4> RowPanels{}; // Panel1 .. Panel4
    QListWidget *ListBox1 = nullptr;  // hidden: problem names
    QListWidget *ListBox2 = nullptr;  // hidden: listing check values
    QListWidget *ListBox3 = nullptr;  // problem numbers
    QTableWidget *StringGrid1 = nullptr; // hidden
    QFrame *Panel5 = nullptr;         // the clock
    QLabel *Label57 = nullptr;        // "Time:"
    QLabel *Label58 = nullptr;        // seconds
    QLabel *Label1 = nullptr;         // "Sec"
    QPushButton *Button2 = nullptr;   // "Next"
    QPushButton *Button4 = nullptr;   // "Start"
    QPushButton *Button1 = nullptr;   // "Evaluation"
    QPushButton *Button5 = nullptr;   // "Correct answer"
    QPushButton *Button6 = nullptr;   // "Finish"
    QPushButton *Button3 = nullptr;   // "Analysis"
    std::array<QLabel *, 7> HiddenLabels{}; // Label3 .. Label9
    QLabel *Label7 = nullptr;         // mirrors DragSourceContainer (one of HiddenLabels)
    QTimer *Timer1 = nullptr;
    Magnifier *Loupe = nullptr;       // the magnifier's loupe, over everything, takes no input

    // ---- Board: pieces
    std::array<PieceImage *, PieceCount> PieceImages{};
    std::array<QImage, PieceCount> SourceBitmaps;
    std::array<int, PieceCount> PieceRotation{};
    std::array<int, PieceCount> PieceCentreX{};
    std::array<int, PieceCount> PieceCentreY{};
    // ---- Board: slots
    std::array<BoardPanel *, SlotCount> SlotPanels{};
    std::array<QLabel *, SlotCount + 1> SlotLabels{}; // Label10 .. Label55, then hidden Label56
    std::array<int, SlotCount> SlotContent{};
    // ---- Trial and display state
    std::array<int, 500> ProblemOrder{};
    int ProblemPosition = 0;
    QString CurrentProblemName;
    QString UserId;
    int ElapsedSeconds = 0;
    int ShowElapsed = 0;
    int ClockRunning = 0;
    int PiecesMovable = 0;
    int EvaluationCount = 0;
    int LastScore = 0;
    int SelectedPiece = -1;
    int SelectionArmed = 0;
    int HoverBoxFactor = 1;
    int DraggedPiece = -1;
    QString DragSourceContainer;
    int RotationSteps = 24;
    float Magnification = 1.0f;
    float FitScale = 0.7f;
    int TallestPieceHeight = 0;
    int MagnificationMode = 0;
    int SlotInsetTop = 2;
    int SlotInsetLeft = 2;

    // ---- Layout and menu (app/ui/tform1.cpp)
    void FormCreate();
    void FormResize();
    void columnStep();
    void setClockSeconds(const QString &text); // Label58; "Sec" steps aside when it is in the way
    void Exit1Click();
    void Settings1Click();
    void Help2Click();
    void About1Click();

    // ---- Board (exercise/ui/tform1_board.cpp)
    void constructBoard();
    void ResetSlots();
    void setSexSlotCaptions(); // slot labels 44 and 45 back to "X" and "XY"
    void returnPiecesToInputPanel();
    void setPiecesDragMode(bool automatic);
    void hideAllPieces();
    static int pieceIndexFromName(const QString &name); // "Image30" -> 30
    static int slotIndexFromName(const QString &name);  // "Panel23" -> 13
    QString problemNameAt(int position) const;           // ListBox1 entry ProblemOrder[position]
    bool isFemaleProblem() const;                        // CurrentProblemName holds "女"
    // Draws piece k from its source at the given scale and turn (none: upright, scaled only),
    // at the screen's own resolution, and shows it in its control.
    void drawPiece(int k, float scale, std::optional<float> angle);

    // ---- Lifecycle (exercise/ui/tform1_lifecycle.cpp)
    void buildCatalogue();
    void LoadProblem(const QString &name);
    void ScatterPieces();
    void loadProblemAt(int position);
    void prepareReadyState();
    void disableTrialButtons();       // Start, Evaluation and Correct answer off until a load
    void showLoadedProblemInList();   // the list highlights the loaded problem, or nothing
    void Button2Click();              // Next
    void ListBox3Click();             // pick in the problem list
    void Button4Click();              // Start / Pause / Restart
    void Timer1Timer();
    void New1Click();                 // Reset
    void Button6Click();              // Finish
    void Button3Click();              // Analysis button
    void Analysis1Click();            // menu File -> Analysis
    void pressDefaultButton();        // Enter: the focused button, else "Next"

    // ---- Moving pieces (exercise/ui/tform1_moving.cpp)
    bool InputPanelDragOver(QWidget *sender, QWidget *source, int x, int y);
    void InputPanelDragDrop(QWidget *sender, QWidget *source, int x, int y);
    void ImageContextPopup(PieceImage *piece);
    void FormMouseWheel(int delta);
    void ImageMouseMove(PieceImage *piece, int x, int y);
    void InputPanelMouseMove(int x, int y);
    // The drag machinery that calls the handlers above and below (pointer in global coordinates).
    void beginPieceDrag(PieceImage *piece, const QPoint &globalPos);
    void movePieceDrag(const QPoint &globalPos);
    void endPieceDrag(const QPoint &globalPos);
    void cancelPieceDrag(); // ends a drag without a drop
    PieceImage *draggedControl() const { return qobject_cast<PieceImage *>(drag_.piece()); }
    // The control that would receive a drop at globalPos (InputPanel, OutputPanel or a slot
    // panel), or nullptr where nothing takes drops.
    QWidget *dropReceiverAt(const QPoint &globalPos) const;
    // The deepest visible control at globalPos that takes the mouse (the loupe does not).
    QWidget *widgetUnder(const QPoint &globalPos) const;

    // ---- Placing pieces (exercise/ui/tform1_placing.cpp)
    bool OutputPanelDragOver(QWidget *sender, QWidget *source, int x, int y);
    void OutputPanelDragDrop(QWidget *sender, QWidget *source, int x, int y);

    // ---- Grading and correct answer (exercise/ui/tform1_grading.cpp)
    void Button1Click();              // Evaluation
    void Button5Click();              // Correct answer
    void showCorrectAnswer();         // fills Form16 and lays it over InputPanel (also for printing)
    void wrapButtonCaptions();        // Button1 and Button5 wrap their captions at word boundaries

    // ---- Magnifier (exercise/ui/magnifier.cpp)
    void Magnifier1Click();
    // Shows the loupe for the piece under the pointer (global position), or hides it: on while
    // the menu item is checked or the middle button is held over a piece.
    void updateMagnifier(const QPoint &globalPos);
    void hideMagnifier();

    // ---- Reference mode (exercise/ui/tform1_reference.cpp)
    void N1Click();
    void relabelAllSlots();
    void relabelSlotOnPlacement(int slot);
    void relabelSlotOnRemoval(int slot);

    // ---- Case work (cases/ui/tform1_cases.cpp)
    void CaseWork1Click();            // opens the case window for the logged-in ID
    QPointer<QWidget> CaseWork;       // the case window while it is open

    // ---- Printing (analysis/ui/tform1_printing.cpp)
    void N3Click();                   // Print(A4 size only)
    void N4Click();                   // Printer Settings...

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override; // FormClose
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenu();
    void realign();
    struct RequestedSizes {
        int menuWidth = 168;
        int inputHeight = 0;
        int outputHeight = 0;
        int rowHeight = 0;
        int listHeight = 0;
    } requested_;
    bool created_ = false;
    bool exiting_ = false;
    int loadedPosition_ = -1; // list position of the problem on the board; -1 when none is
    PieceDrag drag_;
    QWidget *dragTarget_ = nullptr;
    bool dragAccepted_ = false;
    int wheelRemainder_ = 0;   // wheel units short of a whole notch
    // Per piece: the board scale it had before a slot drew it smaller (0: it was not).
    std::array<float, PieceCount> slotCapFrom_{};
    bool middleHeld_ = false;  // the middle button is down: the loupe shows while it is
};

extern TForm1 *Form1;
