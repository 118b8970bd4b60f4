#pragma once
// The arithmetic of scattering pieces over the work area; the window only applies it.
#include "exercise/random.h"

namespace korven {

struct ScatterDraw {
    int rotation; // 0 .. rotationSteps-2
    int top;
    int left;
};

// Rotation step drawn in [0, rotationSteps - 1).
int drawRotation(RandomGenerator &rng, int rotationSteps);

// Top in [0, panelHeight - pieceHeight - 10), left in [0, panelWidth - pieceWidth - 10)
// (reversed ranges when the piece does not fit, as the generator's range rule gives).
int drawTop(RandomGenerator &rng, int panelHeight, int pieceHeight);
int drawLeft(RandomGenerator &rng, int panelWidth, int pieceWidth);

// The rotation angle of a step: 360 / steps * step, in single precision.
float stepAngle(int rotationSteps, int step);

} // namespace korven
