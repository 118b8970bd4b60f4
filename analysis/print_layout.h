#pragma once
// Where things go on a printed page. Every figure is in the printer's device pixels, measured from
// the top-left corner of the printable area; the page width is the printable width.
#include <QDateTime>
#include <QList>
#include <QRectF>
#include <QSize>
#include <QString>

namespace korven {

// The left edge of every item of the report, and its vertical unit.
constexpr int PrintLeft = 100;
constexpr int ReportUnit = 1000;

// A rectangle given by its edges, right and bottom exclusive, as a stretched picture fills it.
struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    QRectF toRectF() const { return QRectF(left, top, right - left, bottom - top); }
    friend bool operator==(const PageRect &, const PageRect &) = default;
};

// One line of text on the report: drawn at (x, y) in a font of pointSize points.
struct ReportLine {
    int x = PrintLeft;
    int y = 0;
    int pointSize = 14;
    QString text;
    friend bool operator==(const ReportLine &, const ReportLine &) = default;
};

// "5 trials(Today 2 trials)"
QString trialCountText(int recordCount, int todayCount);
// "Time of answer 12 sec."
QString answerTimeText(int seconds);
// The date and time printed on the report: the record files' date text and the time of day.
QString reportDateTimeText(const QDateTime &when);

// The report's text lines above the picture, top to bottom: ID, date and time, trial counts,
// answer time.
QList<ReportLine> reportHeaderLines(const QString &id, const QString &dateTime, int recordCount,
                                    int todayCount, int answerSeconds);

// The height a picture takes when stretched to the page width less 100:
// pictureHeight * (pageWidth - 100) / pictureWidth, truncated. 0 for a picture without width.
int stretchedHeight(QSize picture, int pageWidth);

// The size of the report's picture: the work area less 5 pixels at its right edge.
QSize reportPictureSize(QSize workArea);
// Where the report's picture goes: 100, 1000 .. pageWidth - 100, 1000 + h - 50.
PageRect reportPictureRect(QSize picture, int pageWidth);
// "Memo", 50 below the picture's stretched height: (100, 1000 + h + 50).
ReportLine reportMemoLine(QSize picture, int pageWidth);

// Where the analysis dialog's picture goes: 100, 100 .. pageWidth - 50, h - 50.
PageRect analysisPictureRect(QSize picture, int pageWidth);

// A file name for a document printed to PDF: "KORVEN <what> <id> <yyyy-MM-dd HH-mm-ss>.pdf", with
// characters that no file name may hold replaced by '_'. A long ID is shortened so the name stays
// within a file name's 255 bytes, with room left for " (n)".
QString pdfFileName(const QString &what, const QString &id, const QDateTime &when);

} // namespace korven
