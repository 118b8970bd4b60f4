#include "support/window_fixture.h"

#include "exercise/main_layout.h"
#include "program/program_folder.h"
#include "forms/messages.h"
#include "forms/window_set.h"
#include "exercise/catalogue.h"
#include "exercise/problem_loader.h"
#include "files/text_file.h"
#include "exercise/ui/tform1.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

namespace korven::test {

QSize defaultPieceSize(int piece)
{
    const int chromosome = piece / 2 + 1;
    return QSize(16 + chromosome % 3, 64 - (chromosome - 1) * 3 / 2);
}

QString femaleProblem(int number) { return FemaleStem + QString::number(number); }
QString maleProblem(int number) { return MaleStem + QString::number(number); }

QImage syntheticPiece(int piece, const QSize &size)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90 + piece, 90, 120));
    const QRect body = image.rect().adjusted(2, 2, -2, -2);
    p.drawRoundedRect(body, body.width() / 3.0, body.width() / 3.0);
    // Dark bands, spaced by the piece's number so that every piece looks a little different.
    p.setBrush(QColor(30, 30, 40));
    const int spacing = 6 + piece % 5;
    for (int y = body.top() + spacing / 2; y + 2 < body.bottom(); y += spacing)
        p.drawRect(body.left(), y, body.width(), 2);
    p.end();
    return image;
}

void writeProblem(const QString &imagesFolder, const QString &name, const PieceSizes &sizes)
{
    const QDir folder(QDir(imagesFolder).filePath(name));
    QDir().mkpath(folder.path());
    QStringList listing;
    for (int k = 0; k < PieceCount; ++k) {
        const QString file = folder.filePath(pieceFileName(k));
        if (!syntheticPiece(k, sizes(k)).save(file, "BMP"))
            qFatal("cannot write %s", qPrintable(file));
        listing << QStringLiteral("%1,%2,%3").arg(k + 1).arg(pieceFileName(k)).arg(checkValue(file));
    }
    writeFileAtomically(folder.filePath(name + QStringLiteral(".set")), linesToCp932(listing));
}

// ---- ProgramFolder

ProgramFolder::ProgramFolder()
{
    QDir(dir_.path()).mkpath(QStringLiteral("Images"));
    QDir(dir_.path()).mkpath(QStringLiteral("Result"));
    // The sample image of the settings dialog's size preview.
    syntheticPiece(0, defaultPieceSize(0)).save(QDir(imagesFolder()).filePath(QStringLiteral("1-1.bmp")), "BMP");
    setProgramFolder(dir_.path());
}

ProgramFolder::~ProgramFolder() { setProgramFolder(QString()); }

QString ProgramFolder::path() const { return dir_.path(); }
QString ProgramFolder::imagesFolder() const { return dir_.filePath(QStringLiteral("Images")); }
QString ProgramFolder::resultFolder() const { return dir_.filePath(QStringLiteral("Result")); }

void ProgramFolder::addProblem(const QString &name, const PieceSizes &sizes)
{
    writeProblem(imagesFolder(), name, sizes);
}

// ---- WindowFixture

WindowFixture::WindowFixture(const QStringList &problems, const PieceSizes &sizes)
{
    QLocale::setDefault(QLocale::c());
    for (const QString &name : problems)
        folder.addProblem(name, sizes);
    ui::setMessageHook([this](const QString &kind, const QString &title, const QString &text) {
        messages.append({kind, title, text});
    });
    ui::setModalHook([this](QDialog *dialog) {
        modals << dialog->objectName();
        return modalAnswer ? modalAnswer(dialog) : int(QDialog::Rejected);
    });
    ui::createWindowSet();
    ui::createExerciseWindow();
    TForm1 *f = form();
    openedMaximised = f->windowState().testFlag(Qt::WindowMaximized);
    f->setWindowState(Qt::WindowNoState);
    f->resize(DesignWidth, DesignHeight);
    f->show();
    if (!QTest::qWaitForWindowExposed(f, 60000))
        qWarning("the exercise window was not exposed");
    QApplication::setActiveWindow(f);
}

WindowFixture::~WindowFixture()
{
    ui::destroyWindowSet();
    ui::setMessageHook({});
    ui::setModalHook({});
}

TForm1 *WindowFixture::form() const { return Form1; }

QStringList WindowFixture::errors() const
{
    QStringList texts;
    for (const Message &m : messages)
        if (m.kind == QLatin1String("error"))
            texts << m.text;
    return texts;
}

void WindowFixture::pick(int position)
{
    TForm1 *f = form();
    f->ListBox3->setCurrentRow(position);
    f->ListBox3Click();
}

void WindowFixture::loadAndStart(int position)
{
    pick(position);
    form()->Button4Click();
}

void WindowFixture::dragPiece(int piece, QWidget *target, const QPoint &pos)
{
    PieceImage *p = form()->PieceImages[piece];
    const QPoint press = p->rect().center();
    const QPoint to = p->mapFromGlobal(target->mapToGlobal(pos));
    QTest::mousePress(p, Qt::LeftButton, Qt::NoModifier, press);
    QTest::mouseMove(p, (press + to) / 2);
    QTest::mouseMove(p, to);
    QTest::mouseRelease(p, Qt::LeftButton, Qt::NoModifier, to);
}

QPoint WindowFixture::openPointOf(int slot) const
{
    TForm1 *f = form();
    QWidget *target = f->SlotPanels[slot];
    // Nearest to the middle of the slot's lower half, away from its label and from a piece
    // lying in it (the piece and the label take no drops).
    const QPoint preferred(target->width() / 2, target->height() * 3 / 4);
    QPoint best = preferred;
    int bestDistance = -1;
    for (int y = 1; y < target->height() - 1; ++y) {
        for (int x = 1; x < target->width() - 1; ++x) {
            const QPoint at(x, y);
            const int distance = (at - preferred).manhattanLength();
            if (bestDistance >= 0 && distance >= bestDistance)
                continue;
            if (f->dropReceiverAt(target->mapToGlobal(at)) == target) {
                best = at;
                bestDistance = distance;
            }
        }
    }
    return best;
}

void WindowFixture::dragPieceToSlot(int piece, int slot)
{
    dragPiece(piece, form()->SlotPanels[slot], openPointOf(slot));
}

void WindowFixture::placePiece(int piece, int slot)
{
    TForm1 *f = form();
    QWidget *target = f->SlotPanels[slot];
    if (f->OutputPanelDragOver(target, f->PieceImages[piece], 1, 1))
        f->OutputPanelDragDrop(target, f->PieceImages[piece], 1, 1);
}

void WindowFixture::chooseForTurning(int piece)
{
    PieceImage *p = form()->PieceImages[piece];
    const QPoint at = p->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, p->mapToGlobal(at));
    QApplication::sendEvent(p, &event);
}

void WindowFixture::turnWheel(int notches)
{
    QWidget *over = form()->InputPanel;
    const QPointF at(over->width() / 2.0, over->height() / 2.0);
    const int step = notches < 0 ? -120 : 120;
    for (int i = 0; i < std::abs(notches); ++i) {
        QWheelEvent event(at, over->mapToGlobal(at), QPoint(), QPoint(0, step), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &event);
    }
}

} // namespace korven::test
