#include "analysis/analysis_texts.h"

#include <QCoreApplication>
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

QString noResultsNotice()
{
    return QCoreApplication::translate("AnalysisTexts", " There are not the results.\n\nYou did not train yet \n\n or you cleared your training record.");
}

QString noResultsAllTrials() { return QCoreApplication::translate("AnalysisTexts", "correct 0 time / All trials 0 time"); }

QString evaluationOfText(const QString &userId) { return QCoreApplication::translate("AnalysisTexts", "Evaluation of %1").arg(userId); }

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
    return QCoreApplication::translate("AnalysisTexts", "Today's evaluation (%1)  You have trained %2 times.\n\n"
              "Weak point of chromosome of today (%3miss / %2trials)\n %4\n\n"
              "Sex chromosome\n    　 X(mistake%5trials / %6 trials)\n    　 Y(mistake%7trials / %8trials)\n"
              "\n Average of answer time of today is %9 second\n")
        .arg(today.date, num(today.count), num(today.weakSlots.misses), todaySlots(today.weakSlots),
             num(today.sexMisses.xMisses), num(today.sexMisses.xChances), num(today.sexMisses.yMisses),
             num(today.sexMisses.yChances), average);
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
    return QCoreApplication::translate("AnalysisTexts", "Correct answer %1 / All trials %2\n\n\n\nAverage of answer time:  %3 second\n\n\n\n"
              "Chromosome which it is easy to get a wrong most\n(except sex chromosome)\n\n"
              "Mistakes of sex chromosome:  X (%4)   Y (%5)\n\n\n\n%6\n\n　   (number of mistakes)\n\n\n")
        .arg(num(stats.correctAnswerCount), num(stats.recordCount), formatAverageSeconds(stats.averageSeconds),
             num(stats.sexMisses.xMisses), num(stats.sexMisses.yMisses), weakSlotList(stats.weakSlots));
}

QString problemText(const TrialStatistics &stats)
{
    return QCoreApplication::translate("AnalysisTexts", "Question number which it is easy to get a wrong most\n\n　　　　　%1 (Normal, %2)")
        .arg(stats.mostMissedProblem, stats.mostMissedSexWord);
}

} // namespace korven
