#pragma once
// The texts of the karyogram's slot labels: plain, in reference mode, in the marks of an
// evaluation, and in the correct-answer window.
#include <QString>

namespace korven {

// The slot's own name: the pair number for slots 0..43, "X" for 44, "XY" for 45.
QString plainSlotLabel(int slot);

// What piece k is: "X" for 44; for 45 "X" in a female problem, "Y" in a male one; else its
// chromosome number.
QString pieceIdentity(int piece, bool femaleProblem);

// Reference mode, slot holding piece k: the plain text, two blanks, the piece's identity ("3  5").
QString referenceSlotLabel(int slot, int piece, bool femaleProblem);

// The label after an evaluation gave `result` for the slot holding `piece`. Only a wrong piece
// with reference mode on is named ("3×6", "7× Y", "X × Y", "Y × X"); slot 45 otherwise reads the
// sex chromosome the problem expects there ("X" or "Y"), or "XY" for a wrong piece.
QString markSlotLabel(int slot, int piece, int result, bool femaleProblem, bool referenceMode);

// The correct-answer window: the pair number, "X" for slot 44, "X" or "Y" for slot 45.
QString answerSlotLabel(int slot, bool femaleProblem);

} // namespace korven
