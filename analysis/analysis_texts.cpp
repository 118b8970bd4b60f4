#include "analysis/analysis_texts.h"

#include <cmath>

namespace korven {

namespace {

const QString FiveIdeographicSpaces = QStringLiteral("　　　　　");

// Today's weak slots beneath the miss count; a long tie is cut short so the line stays readable.
constexpr int TodaySlotsShown = 10;

QString num(int value) { return QString::number(value); }

QString todaySlots(const WeakSlots &weak)
{
    QStringList shown;
    for (int slot : weak.indices) {
        if (shown.size() == TodaySlotsShown) {
            shown << QStringLiteral("...");
            break;
        }
        shown << num(slot);
    }
    return shown.join(u' ');
}

} // namespace

QString evaluationOfText(const QString &userId) { return QStringLiteral("Evaluation of ") + userId; }

QString formatAverageSeconds(double seconds)
{
    // Halves away from zero; "+ 0.0" turns a rounded -0 into 0. Large averages are written in
    // full as well, never in scientific notation.
    const double rounded = std::round(seconds) + 0.0;
    return QString::number(rounded, 'f', 0);
}

QString todayText(const TodaySummary &today)
{
    const QString average = today.count > 0 ? formatAverageSeconds(today.averageSeconds)
                                            : QStringLiteral("0");
    return QStringLiteral("Today's evaluation (") + today.date + QStringLiteral(")  ")
        + QStringLiteral("You have trained ") + num(today.count) + QStringLiteral(" times.\n\n")
        + QStringLiteral("Weak point of chromosome of today (") + num(today.weakSlots.misses)
        + QStringLiteral("miss / ") + num(today.count) + QStringLiteral("trials)\n")
        + QStringLiteral(" ") + todaySlots(today.weakSlots)
        + QStringLiteral("\n\nSex chromosome\n    　 X(mistake") + num(today.sexMisses.xMisses)
        + QStringLiteral("trials / ") + num(today.sexMisses.xChances) + QStringLiteral(" trials)\n")
        + QStringLiteral("    　 Y(mistake") + num(today.sexMisses.yMisses)
        + QStringLiteral("trials / ") + num(today.sexMisses.yChances) + QStringLiteral("trials)\n")
        + QStringLiteral("\n Average of answer time of today is ") + average
        + QStringLiteral(" second\n");
}

QString weakSlotList(const WeakSlots &weak)
{
    QString text = FiveIdeographicSpaces;
    for (std::size_t i = 0; i < weak.indices.size(); ++i) {
        text += QStringLiteral(" ") + num(weak.indices[i]) + QStringLiteral(" (") + num(weak.misses);
        text += (i % 4 == 3) ? QStringLiteral(")\n\n") : QStringLiteral(")  ");
    }
    return text;
}

QString allTrialsText(const TrialStatistics &stats)
{
    return QStringLiteral("Correct answer ") + num(stats.correctAnswerCount)
        + QStringLiteral(" / All trials ") + num(stats.recordCount) + QStringLiteral("\n\n\n\n")
        + QStringLiteral("Average of answer time:  ") + formatAverageSeconds(stats.averageSeconds)
        + QStringLiteral(" second\n\n\n\n")
        + QStringLiteral("Chromosome which it is easy to get a wrong most\n(except sex chromosome)\n\n")
        + QStringLiteral("Mistakes of sex chromosome:  X (") + num(stats.sexMisses.xMisses)
        + QStringLiteral(")   Y (") + num(stats.sexMisses.yMisses) + QStringLiteral(")\n\n\n\n")
        + weakSlotList(stats.weakSlots) + QStringLiteral("\n\n　   (number of mistakes)\n\n\n");
}

QString problemText(const TrialStatistics &stats)
{
    return QStringLiteral("Question number which it is easy to get a wrong most\n\n") + FiveIdeographicSpaces
        + stats.mostMissedProblem + QStringLiteral(" (Normal, ") + stats.mostMissedSexWord
        + QStringLiteral(")");
}

} // namespace korven
