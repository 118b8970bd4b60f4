#include "analysis/size_step.h"

#include <QLocale>

namespace korven {

QString sizeStepCaption(int step)
{
    if (step == OptimalSizeStep)
        return QStringLiteral("1.0");
    QString text = QString::number(step * 0.1, 'g', 15);
    text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return text;
}

float magnificationForStep(int step, float fitScale)
{
    return float(static_cast<long double>(step) * static_cast<long double>(fitScale) * 0.1L);
}

} // namespace korven
