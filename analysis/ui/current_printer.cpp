#include "analysis/ui/current_printer.h"

#include "app/ui/messages.h"
#include "exercise/errors.h"
#include "files/file_errors.h"
#include "files/file_system.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QWidget>

#include <cerrno>

namespace korven::ui {

namespace {

// The likely cause of a PDF file that could not be written, which the printer does not report:
// the folder refuses it, or the disk is full.
QString pdfWriteCause(const QString &pdfPath)
{
    const QString folder = QFileInfo(pdfPath).absolutePath();
    if (const QString fault = entryFault(folder, EntryKind::Folder); !fault.isEmpty())
        return fault;
    if (const int error = fs::writeAccess(folder))
        return fileErrorText(error);
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.bytesAvailable() <= 0)
        return fileErrorText(ENOSPC);
    return QCoreApplication::translate("KorvenPrinting", "the printer gave no reason");
}

// The report's positions are device pixels meant for a printer of this resolution; PDF files use
// it so that they look like the printed page.
constexpr int PdfResolution = 600;

struct PrinterState {
    QPrinter *printer = nullptr;
    bool pdfFolder = false;
    QString folder; // empty: the user's documents folder
};

PrinterState &state()
{
    static PrinterState s;
    return s;
}

void usePdfFiles(QPrinter &printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(PdfResolution);
    // A printer's usual unprintable edge of 1/6 inch, so the file looks like the paper.
    const qreal edge = 1.0 / 6.0;
    printer.setPageMargins(QMarginsF(edge, edge, edge, edge), QPageLayout::Inch);
}

QString unusedPath(const QString &folder, const QString &fileName)
{
    const QDir dir(folder);
    QString path = dir.filePath(fileName);
    const QString stem = QFileInfo(fileName).completeBaseName();
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(stem).arg(n));
    return path;
}

} // namespace

QPrinter &currentPrinter()
{
    PrinterState &s = state();
    if (!s.printer) {
        s.printer = new QPrinter(QPrinter::HighResolution);
        // Deleted with the application, while the print support it uses still exists.
        qAddPostRoutine([] {
            delete state().printer;
            state().printer = nullptr;
        });
        if (QPrinterInfo::availablePrinterNames().isEmpty()) {
            s.pdfFolder = true;
            usePdfFiles(*s.printer);
        }
    }
    return *s.printer;
}

QString pdfOutputFolder()
{
    const QString &folder = state().folder;
    if (!folder.isEmpty())
        return folder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void setPdfOutputFolder(const QString &folder)
{
    QPrinter &printer = currentPrinter();
    state().folder = folder;
    if (!state().pdfFolder) {
        state().pdfFolder = true;
        usePdfFiles(printer);
    }
}

bool runPrinterSetup(QWidget *parent)
{
    QPrinter &printer = currentPrinter();
    if (state().pdfFolder) {
        // No printer to choose: only the paper and its orientation.
        QPageSetupDialog dialog(&printer, parent);
        dialog.setWindowTitle(QCoreApplication::translate("KorvenPrinting", "Printer Settings"));
        return execModal(&dialog) == QDialog::Accepted;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("KorvenPrinting", "Printer Settings"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return execModal(&dialog) == QDialog::Accepted;
}

bool forceA4Portrait()
{
    QPrinter &printer = currentPrinter();
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageSize(QPageSize(QPageSize::A4));
    return printer.pageLayout().pageSize().id() == QPageSize::A4
        && printer.pageLayout().orientation() == QPageLayout::Portrait;
}

PrintDocument::PrintDocument(const QString &what, const QString &id, const QDateTime &when)
{
    QPrinter &printer = currentPrinter();
    if (state().pdfFolder) {
        const QString folder = pdfOutputFolder();
        makeFolders(folder);
        pdfPath_ = unusedPath(folder, pdfFileName(what, id, when));
        printer.setOutputFileName(pdfPath_);
        removeOnAbort_ = true;
    } else if (printer.outputFormat() == QPrinter::PdfFormat) {
        pdfPath_ = printer.outputFileName(); // a file chosen in the set-up dialog
    }
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setResolution(PdfResolution);
    printer.setDocName(QStringLiteral("KORVEN"));
    if (!painter_.begin(&printer)) {
        if (!pdfPath_.isEmpty())
            throw KorvenError(QCoreApplication::translate("KorvenPrinting", "Cannot print: the file %1 cannot be written (%2).")
                                  .arg(QDir::toNativeSeparators(pdfPath_), pdfWriteCause(pdfPath_)));
        throw KorvenError(QCoreApplication::translate("KorvenPrinting", "Cannot print: the printer \"%1\" is not ready for printing.")
                              .arg(printer.printerName()));
    }
}

PrintDocument::~PrintDocument()
{
    if (painter_.isActive()) {
        static_cast<QPrinter *>(painter_.device())->abort();
        painter_.end();
    }
    if (removeOnAbort_)
        QFile::remove(pdfPath_);
}

int PrintDocument::pageWidth() const
{
    return painter_.device()->width();
}

void PrintDocument::drawText(const ReportLine &line)
{
    QFont font = painter_.font();
    font.setPointSize(line.pointSize);
    painter_.setFont(font);
    // Text is placed by the top of its line, not by its baseline.
    painter_.drawText(QPointF(line.x, line.y + painter_.fontMetrics().ascent()), line.text);
}

void PrintDocument::drawPicture(const QImage &picture, const PageRect &rect)
{
    painter_.drawImage(rect.toRectF(), picture);
}

void PrintDocument::newPage()
{
    if (!static_cast<QPrinter *>(painter_.device())->newPage())
        throw KorvenError(QStringLiteral("Printing failed: the printer did not take a new page."));
}

QString PrintDocument::finish()
{
    auto *printer = static_cast<QPrinter *>(painter_.device());
    const bool ended = painter_.end();
    if (!ended || printer->printerState() == QPrinter::Error) {
        if (!pdfPath_.isEmpty())
            throw KorvenError(QCoreApplication::translate("KorvenPrinting", "Printing failed: the file %1 could not be written (%2).")
                                  .arg(QDir::toNativeSeparators(pdfPath_), pdfWriteCause(pdfPath_)));
        throw KorvenError(QCoreApplication::translate("KorvenPrinting", "Printing failed on the printer \"%1\".")
                              .arg(printer->printerName()));
    }
    removeOnAbort_ = false;
    return pdfPath_;
}

void tellPdfWritten(QWidget *parent, const QString &path)
{
    showMessage(parent, QStringLiteral("KORVEN"),
                QCoreApplication::translate("KorvenPrinting", "Printed to the PDF file\n%1").arg(QDir::toNativeSeparators(path)));
}

void printAnalysisPicture(QWidget *dialog, const QString &id)
{
    // Rendered from the dialog itself, so what covers it on the screen does not matter.
    const QImage picture = dialog->grab().toImage().convertToFormat(QImage::Format_RGB888);
    QGuiApplication::clipboard()->setImage(picture);

    QString pdfPath;
    try {
        PrintDocument document(QStringLiteral("analysis"), id, QDateTime::currentDateTime());
        document.drawPicture(picture, analysisPictureRect(dialog->size(), document.pageWidth()));
        pdfPath = document.finish();
    } catch (const KorvenError &e) {
        reportError(e.message());
        return;
    }
    if (!pdfPath.isEmpty())
        tellPdfWritten(dialog, pdfPath);
}

} // namespace korven::ui
