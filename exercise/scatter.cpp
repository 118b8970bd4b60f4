#include "exercise/scatter.h"

namespace korven {

int drawRotation(RandomGenerator &rng, int rotationSteps)
{
    return rng.range(0, rotationSteps - 1);
}

int drawTop(RandomGenerator &rng, int panelHeight, int pieceHeight)
{
    return rng.range(0, panelHeight - pieceHeight - 10);
}

int drawLeft(RandomGenerator &rng, int panelWidth, int pieceWidth)
{
    return rng.range(0, panelWidth - pieceWidth - 10);
}

float stepAngle(int rotationSteps, int step)
{
    return float(360.0 / rotationSteps * step);
}

} // namespace korven
