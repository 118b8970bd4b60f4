#pragma once
// The chromosome size chosen in the settings dialog: a step of 7..13 meaning 0.7..1.3 times the
// fitted scale, 10 being the optimal size.
#include <QString>

namespace korven {

constexpr int MinSizeStep = 7;
constexpr int MaxSizeStep = 13;
constexpr int OptimalSizeStep = 10;

// The size shown for a step: "1.0" at the optimal step, otherwise step x 0.1 in the general format
// with 15 significant digits and the locale's decimal separator ("0.7", "1.3").
QString sizeStepCaption(int step);

// step x fitScale x 0.1, computed in extended precision and stored in single precision.
float magnificationForStep(int step, float fitScale);

} // namespace korven
