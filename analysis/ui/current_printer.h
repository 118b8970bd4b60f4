#pragma once
// The printer both print operations use ("Print(A4 size only)" and the analysis dialog's "Print"),
// chosen in "Printer Settings...", and one document printed on it.
//
// Without an installed printer, or once a folder is set for them, documents become PDF files in
// that folder (by default the user's documents folder), named after the ID and the time.
#include "analysis/print_layout.h"

#include <QDateTime>
#include <QPainter>
#include <QString>

class QImage;
class QPrinter;
class QWidget;

namespace korven::ui {

// The shared printer. Created on first use: the system's default printer, or PDF files when the
// system has no printer.
QPrinter &currentPrinter();

// The folder of those files.
QString pdfOutputFolder();
// Sends every later document to PDF files in `folder` (tests, and machines without a printer).
void setPdfOutputFolder(const QString &folder);

// The printer set-up dialog on the shared printer; what is chosen there stays for both print
// operations. Returns true when the dialog was accepted.
bool runPrinterSetup(QWidget *parent);

// Sets A4 portrait on the shared printer. False when the printer does not take A4.
bool forceA4Portrait();

// One document on the shared printer, titled "KORVEN". The destructor aborts a document that was
// not finished, so a failure never leaves one half-begun (nor a half-written PDF file).
class PrintDocument {
public:
    // Begins the document; `what` and `id` name the PDF file when there is one.
    // Throws KorvenError when the document cannot be begun.
    PrintDocument(const QString &what, const QString &id, const QDateTime &when);
    ~PrintDocument();
    PrintDocument(const PrintDocument &) = delete;
    PrintDocument &operator=(const PrintDocument &) = delete;

    // The printable width in device pixels.
    int pageWidth() const;
    // A line of text with the top of its letters at (x, y), in its point size.
    void drawText(const ReportLine &line);
    // The picture stretched into the rectangle.
    void drawPicture(const QImage &picture, const PageRect &rect);
    // The page's painter, for documents that draw more than lines of text and pictures.
    QPainter &painter() { return painter_; }
    // Starts the next page. Throws KorvenError when the printer refuses it.
    void newPage();
    // Ends the document. Returns the PDF file written, or an empty text for a printer.
    // Throws KorvenError when the printer reports a failure.
    QString finish();

private:
    QPainter painter_;
    QString pdfPath_;
    bool removeOnAbort_ = false;
};

// Tells the user where a document printed to a PDF file went.
void tellPdfWritten(QWidget *parent, const QString &path);

// The analysis dialog's "Print": the dialog's picture on the clipboard, where it stays, and
// stretched over a page on the shared printer with its present paper and orientation. `id` names
// the PDF file when there is one. Failures are reported to the user.
void printAnalysisPicture(QWidget *dialog, const QString &id);

} // namespace korven::ui
