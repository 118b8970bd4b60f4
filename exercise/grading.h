#pragma once
// Grading of the karyogram: the result of each slot, the score, the slot colours of the marks and
// the captions the Evaluation button shows.
#include <QColor>
#include <QString>
#include <array>

namespace korven {

// The result of one slot, as trial records store it.
constexpr int ResultRight = 1;   // right chromosome, accepted orientation
constexpr int ResultTurned = -2; // right chromosome, turned too far
constexpr int ResultWrong = 0;   // a piece that does not belong in the slot
constexpr int ResultEmpty = -1;  // no piece

constexpr int BoardSlots = 46;
constexpr int SlotX = 44;  // the "X" slot
constexpr int SlotXY = 45; // the "XY" slot: second X or Y
constexpr int PieceX = 44;  // file 23-1.bmp: an X in every problem
constexpr int PieceXY = 45; // file 23-2.bmp: the second X (female) or the Y (male)

using SlotResults = std::array<int, BoardSlots>;

// Colours of graded slots.
constexpr QRgb SlotColourRight = qRgb(102, 255, 255);  // light cyan
constexpr QRgb SlotColourTurned = qRgb(204, 255, 102); // yellow-green
constexpr QRgb SlotColourWrong = qRgb(255, 102, 0);    // orange, also for empty slots

// Accepted as upright: steps 0, 1, 2 and the last three steps of a turn (not symmetric).
bool orientationAccepted(int step, int rotationSteps = 24);

// The result of slot `slot` holding piece `piece` (-1: empty) turned by `rotationStep`.
// Either homologue fits either slot of its pair. In a female problem both X pieces fit both sex
// slots; in a male problem slot 44 takes only piece 44 and slot 45 only piece 45.
int gradeSlot(int slot, int piece, int rotationStep, bool femaleProblem, int rotationSteps = 24);

// All 46 slots of a board.
SlotResults gradeBoard(const std::array<int, BoardSlots> &slotContent,
                       const std::array<int, BoardSlots> &pieceRotation, bool femaleProblem,
                       int rotationSteps = 24);

// The number of results equal to ResultRight.
int scoreOf(const SlotResults &results);

QColor slotColour(int result);

// "Score: 37/46\n Are these corrected?"
QString firstEvaluationCaption(int score);
// "Score: 37/46\n Under correction\n (2 times)", with the rounds done before this one.
QString correctionCaption(int lastScore, int roundsBefore);

} // namespace korven
