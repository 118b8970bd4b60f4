// The printed report and the printed analysis picture, printed to PDF files and read back with
// the poppler tools.
#include "analysis/ui/current_printer.h"
#include "analysis/ui/tokbottom_dlg.h"
#include "program/program_folder.h"
#include "forms/messages.h"
#include "files/text_file.h"
#include "exercise/ui/tform1.h"
#include "exercise/ui/tform16.h"
#include "support/window_fixture.h"
#include "users/trial_records.h"
#include "users/ui/tpassword_dlg.h"
#include "users/user_files.h"

#include <QClipboard>
#include <QPushButton>
#include <QDirIterator>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <memory>

namespace {

const QString Id = QStringLiteral("trainee1");

// Runs a poppler tool and returns what it printed; empty when it failed.
QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        qWarning() << program << arguments << process.readAllStandardError();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A record file with one all-right trial for each date.
void writeRecords(const QString &path, const QList<QDate> &dates)
{
    QByteArray bytes = korven::trialRecordFileStart();
    for (int i = 0; i < dates.size(); ++i) {
        korven::TrialRecord record;
        record.trialNumber = i;
        record.date = korven::recordDateText(dates[i]);
        record.problemNumber = QStringLiteral("001");
        record.results.fill(1);
        record.answerSeconds = 100 + i;
        bytes += korven::toCp932(korven::formatTrialRecord(record) + QStringLiteral("\r\n"));
    }
    QDir().mkpath(QFileInfo(path).path());
    korven::writeFileAtomically(path, bytes);
}

// The images of a PDF as width x height, from `pdfimages -list`.
QList<QSize> pdfImages(const QString &pdf)
{
    QList<QSize> sizes;
    const QStringList lines = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines.mid(2)) { // two heading lines
        const QStringList cols = line.simplified().split(QLatin1Char(' '));
        if (cols.size() > 4)
            sizes << QSize(cols[3].toInt(), cols[4].toInt());
    }
    return sizes;
}

// The page of a one-page PDF as `pdfinfo` names it: "A4 595x842", "letter 792x612" (points, rounded).
QString pdfPage(const QString &pdf)
{
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
    if (!info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
        return QStringLiteral("not one page");
    const auto match = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts \\((\\w+)\\)"))
                           .match(info);
    return QStringLiteral("%1 %2x%3").arg(match.captured(3)).arg(qRound(match.captured(1).toDouble()))
        .arg(qRound(match.captured(2).toDouble()));
}

// The box, in points, of the first word `word` of the page, from `pdftotext -bbox`; its top is
// the top of the font's line, its height the font's line height.
QRectF wordBox(const QString &pdf, const QString &word)
{
    const QString html = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const auto match = QRegularExpression(
                           QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                                          "yMax=\"([\\d.]+)\">%1<")
                               .arg(QRegularExpression::escape(word)))
                           .match(html);
    if (!match.hasMatch())
        return QRectF(-1, -1, 0, 0);
    return QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                  QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()));
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

    std::unique_ptr<korven::test::WindowFixture> fx_;
    QTemporaryDir out_;
    bool answerShownAtNotice_ = false;

    QString outFolder() const { return out_.filePath(QStringLiteral("printed")); }
    QString recordFile() const { return korven::recordPath(korven::resultFolder(), Id); }
    QStringList pdfsWritten() const
    {
        QStringList files;
        QDirIterator it(out_.path(), {QStringLiteral("*.pdf")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        return files;
    }
    QStringList infoTexts() const
    {
        QStringList texts;
        for (const auto &m : fx_->messages)
            if (m.kind == QLatin1String("info"))
                texts << m.text;
        return texts;
    }
    // The one PDF the last operation wrote.
    QString onlyPdf() const
    {
        const QStringList files = pdfsWritten();
        return files.size() == 1 ? files.first() : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty());
        fx_ = std::make_unique<korven::test::WindowFixture>();
        // Messages are recorded as the fixture does, and the notice also notes whether the correct
        // answer lies over the work area at that moment.
        korven::ui::setMessageHook([this](const QString &kind, const QString &title, const QString &text) {
            fx_->messages.append({kind, title, text});
            if (text == QLatin1String(" Now printing... "))
                answerShownAtNotice_ = Form16 && Form16->isVisible()
                    && Form16->parentWidget() == Form1->InputPanel;
        });
        Form1->UserId = Id;
        PasswordDlg->ID->setText(Id);
        fx_->pick(0); // a problem on the work area, so the picture has something in it
        korven::ui::setPdfOutputFolder(outFolder());
    }
    void init()
    {
        fx_->messages.clear();
        answerShownAtNotice_ = false;
        QDir(outFolder()).removeRecursively();
        QGuiApplication::clipboard()->clear();
    }
    void cleanupTestCase() { fx_.reset(); }

    void reportTexts_data()
    {
        QTest::addColumn<QList<int>>("daysAgo");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("counts");
        QTest::newRow("5 trials, 2 today") << QList<int>{30, 0, 2, 1, 0} << 12
                                           << "5 trials(Today 2 trials)";
        QTest::newRow("no trials") << QList<int>{} << 0 << "0 trials(Today 0 trials)";
    }
    void reportTexts()
    {
        QFETCH(QList<int>, daysAgo);
        QFETCH(int, seconds);
        QFETCH(QString, counts);
        QList<QDate> dates;
        for (int d : daysAgo)
            dates << QDate::currentDate().addDays(-d);
        writeRecords(recordFile(), dates);
        Form1->ElapsedSeconds = seconds;

        Form1->N3Click();

        QCOMPARE(fx_->errors(), QStringList());
        const QString pdf = onlyPdf();
        QVERIFY2(!pdf.isEmpty(), qPrintable(pdfsWritten().join(u'\n')));
        QVERIFY(QFileInfo(pdf).fileName().contains(Id));
        // The notice first, then where the file went.
        QCOMPARE(infoTexts().size(), 2);
        QCOMPARE(infoTexts().first(), QStringLiteral(" Now printing... "));
        QVERIFY(infoTexts().last().contains(QDir::toNativeSeparators(pdf)));

        const QString text = runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        const QStringList expected = {Id, korven::recordDateText(QDate::currentDate()), counts,
                                      QStringLiteral("Time of answer %1 sec.").arg(seconds),
                                      QStringLiteral("Memo")};
        qsizetype at = 0;
        for (const QString &item : expected) {
            const qsizetype found = text.indexOf(item, at);
            QVERIFY2(found >= 0, qPrintable(item + QStringLiteral(" not in order in:\n") + text));
            at = found + item.size();
        }

        // The correct answer lay over the work area while printing and is closed afterwards.
        QVERIFY(answerShownAtNotice_);
        QVERIFY(!Form16->isVisible());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Memo"));
    }

    // The answer in the picture is that of the problem on the board, also when the problem name
    // last refreshed (by an evaluation, a turn or a drop) is that of an earlier, male problem.
    void reportAnswerOfLoadedProblem()
    {
        writeRecords(recordFile(), {});
        Form1->CurrentProblemName = korven::test::maleProblem(20);
        Form1->N3Click();
        QCOMPARE(fx_->errors(), QStringList());
        QCOMPARE(Form16->AnswerLabels[45]->text(), QStringLiteral("X"));
    }

    // The report is forced to A4 portrait, whatever paper was chosen before, and the paper stays
    // A4 portrait for the analysis picture printed afterwards.
    void reportPage()
    {
        writeRecords(recordFile(), {QDate::currentDate()});
        QPrinter &printer = korven::ui::currentPrinter();
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(QPageLayout::Landscape);

        Form1->N3Click();
        const QString pdf = onlyPdf();
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(pdfPage(pdf), QStringLiteral("A4 595x842"));

        // One picture: the work area less 5 pixels at the right.
        const QSize area = Form1->InOutPanel->size();
        QCOMPARE(pdfImages(pdf), QList<QSize>{QSize(area.width() - 5, area.height())});

        // Items stand where the layout puts them: device pixels at 600 per inch from the
        // printable area, which begins 12 points (1/6 inch) into the paper.
        const int h = korven::stretchedHeight(QSize(area.width() - 5, area.height()), printer.width());
        const auto points = [](int pixels) { return 12.0 + pixels * 72.0 / 600.0; };
        const struct {
            QString word;
            int y;
            bool startsLine;
        } items[] = {{Id, 50, true},
                     {QStringLiteral("trials(Today"), 500, false},
                     {QStringLiteral("Time"), 750, true},
                     {QStringLiteral("Memo"), 1000 + h + 50, true}};
        for (const auto &item : items) {
            const QPointF at = wordBox(pdf, item.word).topLeft();
            if (item.startsLine)
                QVERIFY2(qAbs(at.x() - points(100)) < 1.5, qPrintable(item.word));
            QVERIFY2(qAbs(at.y() - points(item.y)) < 2.0,
                     qPrintable(QStringLiteral("%1 at %2, expected %3").arg(item.word).arg(at.y()).arg(points(item.y))));
        }
        // The ID in 18 points, the other lines in 14.
        const qreal idHeight = wordBox(pdf, Id).height();
        for (const QString &word : {QStringLiteral("Time"), QStringLiteral("Memo")})
            QVERIFY2(qAbs(idHeight / wordBox(pdf, word).height() - 18.0 / 14.0) < 0.03, qPrintable(word));

        QDir(outFolder()).removeRecursively();
        OKBottomDlg->show();
        OKBottomDlg->Button1Click();
        OKBottomDlg->hide();
        QCOMPARE(pdfPage(onlyPdf()), QStringLiteral("A4 595x842"));
    }

    // The analysis picture keeps the printer's paper and orientation, and the dialog's picture
    // stays on the clipboard.
    void analysisPicture()
    {
        writeRecords(recordFile(), {QDate::currentDate()});
        QPrinter &printer = korven::ui::currentPrinter();
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(QPageLayout::Landscape);
        OKBottomDlg->show();

        QTest::mouseClick(OKBottomDlg->Button1, Qt::LeftButton);

        QCOMPARE(fx_->errors(), QStringList());
        const QString pdf = onlyPdf();
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(pdfPage(pdf), QStringLiteral("letter 792x612"));
        QCOMPARE(pdfImages(pdf), QList<QSize>{OKBottomDlg->size()});
        const QImage pasted = QGuiApplication::clipboard()->image();
        QCOMPARE(pasted.size(), OKBottomDlg->size());
        QCOMPARE(pasted.convertToFormat(QImage::Format_RGB888),
                 OKBottomDlg->grab().toImage().convertToFormat(QImage::Format_RGB888));
        QVERIFY(infoTexts().last().contains(QDir::toNativeSeparators(pdf)));
        OKBottomDlg->hide();
    }

    // A report that cannot be made tells why, prints nothing and leaves no document open.
    void reportFailures_data()
    {
        QTest::addColumn<bool>("recordsMissing");
        QTest::addColumn<bool>("folderBlocked");
        QTest::addColumn<QString>("error");
        QTest::newRow("record file missing") << true << false << Id + QStringLiteral(".kek");
        QTest::newRow("output folder cannot be made") << false << true << QStringLiteral("is not a folder");
    }
    void reportFailures()
    {
        QFETCH(bool, recordsMissing);
        QFETCH(bool, folderBlocked);
        QFETCH(QString, error);
        writeRecords(recordFile(), {QDate::currentDate()});
        if (recordsMissing)
            QVERIFY(QFile::remove(recordFile()));
        const QString blocker = out_.filePath(QStringLiteral("blocker"));
        if (folderBlocked) {
            QFile file(blocker);
            QVERIFY(file.open(QIODevice::WriteOnly));
            korven::ui::setPdfOutputFolder(blocker + QStringLiteral("/printed"));
        }

        Form1->N3Click();
        korven::ui::setPdfOutputFolder(outFolder());
        QFile::remove(blocker);

        QCOMPARE(fx_->errors().size(), 1);
        QVERIFY2(fx_->errors().first().contains(error), qPrintable(fx_->errors().first()));
        QCOMPARE(pdfsWritten(), QStringList());
        QVERIFY(korven::ui::currentPrinter().printerState() != QPrinter::Active);
        QVERIFY(!Form16->isVisible());
        QVERIFY(QGuiApplication::clipboard()->text() != QLatin1String("Memo"));
    }

    // "Printer Settings..." works on the printer both print operations use.
    void printerSettings()
    {
        QPrinter *seen = nullptr;
        fx_->modalAnswer = [&seen](QDialog *dialog) {
            if (auto *setup = qobject_cast<QPageSetupDialog *>(dialog))
                seen = setup->printer();
            return int(QDialog::Rejected);
        };
        Form1->N4Click();
        fx_->modalAnswer = nullptr;
        QCOMPARE(seen, &korven::ui::currentPrinter());
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
