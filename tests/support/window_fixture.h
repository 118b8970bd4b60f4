#pragma once
// Test support: temporary program folders with small generated problems, and the window set
// running on them with message boxes and modal dialogs recorded instead of shown.
#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

class QDialog;
class QWidget;
class PieceImage;
class TForm1;

namespace korven::test {

// Size of the picture of piece k (0..45) in a generated problem.
using PieceSizes = std::function<QSize(int piece)>;

// Chromosome-like sizes: taller for the low chromosome numbers, 31..64 pixels high, 16..18 wide.
QSize defaultPieceSize(int piece);

// Catalogue names: femaleProblem(10) is the female stem followed by 10.
QString femaleProblem(int number);
QString maleProblem(int number);

// A 24-bit picture of piece k: a dark banded bar on white, a little different for every piece.
QImage syntheticPiece(int piece, const QSize &size);

// Writes problem `name` into imagesFolder: the 46 bitmaps 1-1.bmp .. 23-2.bmp (24 bits per
// pixel) and the listing name.set whose check values match them.
void writeProblem(const QString &imagesFolder, const QString &name,
                  const PieceSizes &sizes = defaultPieceSize);

// A temporary program folder (Images/ with the sample image 1-1.bmp, and Result/), made the
// program's folder while it lives.
class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder &) = delete;
    ProgramFolder &operator=(const ProgramFolder &) = delete;

    QString path() const;
    QString imagesFolder() const;
    QString resultFolder() const;
    void addProblem(const QString &name, const PieceSizes &sizes = defaultPieceSize);

private:
    QTemporaryDir dir_;
};

// The sixteen windows and the exercise window on a temporary program folder holding the given
// problems. The exercise window is shown at its design size (990 x 780). Message boxes go to
// `messages`, modal dialogs to `modalAnswer` (default: rejected) and are logged in `modals`.
class WindowFixture {
public:
    explicit WindowFixture(const QStringList &problems = {femaleProblem(10)},
                           const PieceSizes &sizes = defaultPieceSize);
    ~WindowFixture();
    WindowFixture(const WindowFixture &) = delete;
    WindowFixture &operator=(const WindowFixture &) = delete;

    struct Message {
        QString kind; // "error" or "info"
        QString title;
        QString text;
    };

    ProgramFolder folder;
    QList<Message> messages;
    QStringList modals; // object names of the dialogs shown modally, in order
    std::function<int(QDialog *)> modalAnswer;
    bool openedMaximised = false; // the exercise window's state when it was created

    TForm1 *form() const;
    QStringList errors() const; // texts of the error boxes shown so far

    // Loads the problem at position p of the problem list, as a click on its number does.
    void pick(int position);
    // Loads a problem and presses Start: pieces movable, clock running.
    void loadAndStart(int position = 0);

    // Drags piece k with the left button, as the mouse does: press on the piece, move half-way
    // and then to `pos` in `target`'s coordinates, release there.
    void dragPiece(int piece, QWidget *target, const QPoint &pos);
    // A point of slot s (in its coordinates) where the slot itself takes a drop: not on its
    // label nor on a piece lying in it, as near to the middle of its lower half as can be.
    QPoint openPointOf(int slot) const;
    // Drags piece k to the open point of slot s.
    void dragPieceToSlot(int piece, int slot);
    // Places piece k in slot s through the drop handlers directly (no mouse).
    void placePiece(int piece, int slot);

    // A right-click on piece k (a context-menu event), then wheel notches over the window:
    // positive notches turn away from the user.
    void chooseForTurning(int piece);
    void turnWheel(int notches);
};

} // namespace korven::test
