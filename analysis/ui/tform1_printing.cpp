// Printing the trial report and choosing the printer.
#include "exercise/ui/tform1.h"
#include "exercise/ui/tform16.h"

#include "analysis/print_layout.h"
#include "analysis/trial_statistics.h"
#include "analysis/ui/current_printer.h"
#include "program/program_folder.h"
#include "forms/messages.h"
#include "files/errors.h"
#include "files/text_file.h"
#include "users/trial_records.h"
#include "users/ui/tpassword_dlg.h"
#include "users/user_files.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

namespace {

void closeAnswerWindow()
{
    if (Form16)
        Form16->close();
}

// Each text of the report goes to the clipboard just before it is drawn.
void putText(korven::ui::PrintDocument &document, const korven::ReportLine &line)
{
    QGuiApplication::clipboard()->setText(line.text);
    document.drawText(line);
}

} // namespace

// Print(A4 size only): a one-page report of the user and the trial, with a picture of the work
// area as it stands, the correct answer shown over it.
void TForm1::N3Click()
{
    // The answer is drawn from the bitmaps of the problem on the board; its sex chromosome label
    // must follow that problem, not the one named when the name was last refreshed.
    CurrentProblemName = problemNameAt(ProblemPosition);
    showCorrectAnswer();

    if (!korven::ui::forceA4Portrait()) {
        korven::ui::showMessage(
            this, QStringLiteral("KORVEN"),
            tr(" We cannot print this result since we cannot change paper size into A4. "));
        closeAnswerWindow();
        return;
    }
    korven::ui::showMessage(this, QStringLiteral("KORVEN"), tr(" Now printing... "));

    QString pdfPath;
    try {
        // The records are counted before the document begins, so a missing record file stops the
        // report with nothing sent to the printer.
        const QDateTime now = QDateTime::currentDateTime();
        const QString recordFile = korven::recordPath(korven::resultFolder(), UserId);
        const korven::TrialCounts counts = korven::countTrialRecords(
            korven::readTextLines(recordFile, korven::RecordFileLimits), korven::recordDateText(now.date()));
        const QString id = PasswordDlg ? PasswordDlg->ID->text() : UserId;

        korven::ui::PrintDocument document(QStringLiteral("report"), id, now);
        for (const korven::ReportLine &line :
             korven::reportHeaderLines(id, korven::reportDateTimeText(now), counts.records,
                                       counts.today, ElapsedSeconds))
            putText(document, line);

        // The work area with whatever lies on it (the correct answer among it), rendered from the
        // widgets, so nothing covering the window gets into the picture.
        const QSize size = korven::reportPictureSize(InOutPanel->size());
        const QImage picture = size.isEmpty()
            ? QImage()
            : InOutPanel->grab(QRect(QPoint(0, 0), size)).toImage().convertToFormat(
                  QImage::Format_RGB888);
        QGuiApplication::clipboard()->setImage(picture);
        if (!picture.isNull())
            document.drawPicture(picture, korven::reportPictureRect(size, document.pageWidth()));

        putText(document, korven::reportMemoLine(size, document.pageWidth()));
        pdfPath = document.finish();
    } catch (const korven::KorvenError &e) {
        closeAnswerWindow();
        korven::ui::reportError(e.message());
        return;
    }
    closeAnswerWindow();
    if (!pdfPath.isEmpty())
        korven::ui::tellPdfWritten(this, pdfPath);
}

// Printer Settings...: the printer and paper chosen here serve both print operations.
void TForm1::N4Click()
{
    korven::ui::runPrinterSetup(this);
}
