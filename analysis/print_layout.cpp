#include "analysis/print_layout.h"

#include "users/trial_records.h"

#include <QCoreApplication>

namespace korven {

QString trialCountText(int recordCount, int todayCount)
{
    return QCoreApplication::translate("PrintLayout", "%1 trials(Today %2 trials)").arg(recordCount).arg(todayCount);
}

QString answerTimeText(int seconds)
{
    return QCoreApplication::translate("PrintLayout", "Time of answer %1 sec.").arg(seconds);
}

QString reportDateTimeText(const QDateTime &when)
{
    return recordDateText(when.date()) + QLatin1Char(' ')
        + when.time().toString(QStringLiteral("HH:mm:ss"));
}

QList<ReportLine> reportHeaderLines(const QString &id, const QString &dateTime, int recordCount,
                                    int todayCount, int answerSeconds)
{
    return {
        {PrintLeft, 50, 18, id},
        {PrintLeft, ReportUnit / 4 + 50, 14, dateTime},
        {PrintLeft, 2 * ReportUnit / 4, 14, trialCountText(recordCount, todayCount)},
        {PrintLeft, 3 * ReportUnit / 4, 14, answerTimeText(answerSeconds)},
    };
}

int stretchedHeight(QSize picture, int pageWidth)
{
    if (picture.width() <= 0)
        return 0;
    // 64-bit product: a large picture on a high-resolution page would overflow an int.
    return int(qint64(picture.height()) * (pageWidth - 100) / picture.width());
}

QSize reportPictureSize(QSize workArea)
{
    return QSize(qMax(0, workArea.width() - 5), workArea.height());
}

PageRect reportPictureRect(QSize picture, int pageWidth)
{
    const int h = stretchedHeight(picture, pageWidth);
    return {PrintLeft, ReportUnit, pageWidth - 100, ReportUnit + h - 50};
}

ReportLine reportMemoLine(QSize picture, int pageWidth)
{
    return {PrintLeft, ReportUnit + stretchedHeight(picture, pageWidth) + 50, 14,
            QCoreApplication::translate("PrintLayout", "Memo")};
}

PageRect analysisPictureRect(QSize picture, int pageWidth)
{
    const int h = stretchedHeight(picture, pageWidth);
    return {PrintLeft, 100, pageWidth - 50, h - 50};
}

QString pdfFileName(const QString &what, const QString &id, const QDateTime &when)
{
    // A file name holds 255 bytes; the ID is shortened (never the rest) so that the name fits with
    // room for a " (n)" that keeps an older file.
    constexpr qsizetype MaxNameBytes = 255 - 8;
    const QString before = QStringLiteral("KORVEN ") + what + QLatin1Char(' ');
    const QString after = QLatin1Char(' ') + when.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"))
        + QStringLiteral(".pdf");
    const qsizetype room = MaxNameBytes - before.toUtf8().size() - after.toUtf8().size();
    QString shortId;
    qsizetype used = 0;
    for (qsizetype i = 0; i < id.size(); ++i) {
        const qsizetype width = id.at(i).isHighSurrogate() && i + 1 < id.size() ? 2 : 1;
        const qsizetype bytes = id.mid(i, width).toUtf8().size();
        if (used + bytes > room)
            break;
        shortId += id.mid(i, width);
        used += bytes;
        i += width - 1;
    }
    QString name = before + shortId + after;
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    return name;
}

} // namespace korven
