#include "exercise/grading.h"

#include <QCoreApplication>

namespace korven {

bool orientationAccepted(int step, int rotationSteps)
{
    return step == 0 || step == 1 || step == 2 || step == rotationSteps - 3
           || step == rotationSteps - 2 || step == rotationSteps - 1;
}

int gradeSlot(int slot, int piece, int rotationStep, bool femaleProblem, int rotationSteps)
{
    if (piece < 0)
        return ResultEmpty;
    bool belongs = false;
    if (slot < SlotX)
        belongs = piece / 2 == slot / 2;
    else if (femaleProblem)
        belongs = piece == PieceX || piece == PieceXY;
    else
        belongs = piece == (slot == SlotX ? PieceX : PieceXY);
    if (!belongs)
        return ResultWrong;
    return orientationAccepted(rotationStep, rotationSteps) ? ResultRight : ResultTurned;
}

SlotResults gradeBoard(const std::array<int, BoardSlots> &slotContent,
                       const std::array<int, BoardSlots> &pieceRotation, bool femaleProblem,
                       int rotationSteps)
{
    SlotResults results{};
    for (int s = 0; s < BoardSlots; ++s) {
        const int k = slotContent[s];
        const int step = k >= 0 && k < BoardSlots ? pieceRotation[k] : 0;
        results[s] = gradeSlot(s, k, step, femaleProblem, rotationSteps);
    }
    return results;
}

int scoreOf(const SlotResults &results)
{
    int score = 0;
    for (int r : results)
        score += r == ResultRight ? 1 : 0;
    return score;
}

QColor slotColour(int result)
{
    switch (result) {
    case ResultRight:
        return QColor(SlotColourRight);
    case ResultTurned:
        return QColor(SlotColourTurned);
    default:
        return QColor(SlotColourWrong);
    }
}

QString firstEvaluationCaption(int score)
{
    return QCoreApplication::translate("Grading", "Score: %1/46\n Are these corrected?").arg(score);
}

QString correctionCaption(int lastScore, int roundsBefore)
{
    return QCoreApplication::translate("Grading", "Score: %1/46\n Under correction\n (%2 times)").arg(lastScore).arg(roundsBefore);
}

} // namespace korven
