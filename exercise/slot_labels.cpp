#include "exercise/slot_labels.h"

#include "exercise/grading.h"

namespace korven {

namespace {
const QString Times = QStringLiteral("×");

QString pairNumber(int index) { return QString::number(index / 2 + 1); }
QString expectedSexChromosome(bool female) { return female ? QStringLiteral("X") : QStringLiteral("Y"); }
} // namespace

QString plainSlotLabel(int slot)
{
    if (slot == SlotX)
        return QStringLiteral("X");
    if (slot == SlotXY)
        return QStringLiteral("XY");
    return pairNumber(slot);
}

QString pieceIdentity(int piece, bool femaleProblem)
{
    if (piece == PieceX)
        return QStringLiteral("X");
    if (piece == PieceXY)
        return expectedSexChromosome(femaleProblem);
    return pairNumber(piece);
}

QString referenceSlotLabel(int slot, int piece, bool femaleProblem)
{
    return plainSlotLabel(slot) + QStringLiteral("  ") + pieceIdentity(piece, femaleProblem);
}

QString markSlotLabel(int slot, int piece, int result, bool femaleProblem, bool referenceMode)
{
    const bool nameThePiece = result == ResultWrong && referenceMode && piece >= 0;
    if (slot < SlotX) {
        if (!nameThePiece)
            return pairNumber(slot);
        if (piece == PieceX || piece == PieceXY)
            return pairNumber(slot) + Times + QLatin1Char(' ') + pieceIdentity(piece, femaleProblem);
        return pairNumber(slot) + Times + pairNumber(piece);
    }
    if (slot == SlotX) {
        if (!nameThePiece)
            return QStringLiteral("X");
        if (piece == PieceXY)
            return QStringLiteral("X ") + Times + QStringLiteral(" Y");
        return QStringLiteral("X ") + Times + pairNumber(piece);
    }
    // Slot 45.
    if (result != ResultWrong)
        return expectedSexChromosome(femaleProblem);
    if (!nameThePiece)
        return QStringLiteral("XY");
    const QString head = expectedSexChromosome(femaleProblem) + QLatin1Char(' ') + Times;
    if (!femaleProblem && piece == PieceX)
        return head + QStringLiteral(" X");
    return head + pairNumber(piece);
}

QString answerSlotLabel(int slot, bool femaleProblem)
{
    if (slot == SlotXY)
        return expectedSexChromosome(femaleProblem);
    return plainSlotLabel(slot);
}

} // namespace korven
