// The analysis dialog on a real record file: what each showing fills, the no-results state and
// errors.
#include "analysis/analysis_texts.h"
#include "analysis/trial_chart_values.h"
#include "analysis/ui/tokbottom_dlg.h"
#include "app/ui/korven_application.h"
#include "files/text_file.h"
#include "exercise/ui/tform1.h"
#include "support/chart_points.h"
#include "support/window_fixture.h"
#include "users/trial_records.h"
#include "users/user_files.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QtTest>

#include <memory>

using korven::test::WindowFixture;

namespace {

const QDate Day(2024, 5, 2);
const QString User = QStringLiteral("trainee1");

QString record(int trial, const QDate &date, const QString &problem, const QList<int> &missed, int seconds)
{
    korven::TrialRecord r;
    r.trialNumber = trial;
    r.date = korven::recordDateText(date);
    r.problemNumber = problem;
    r.results.fill(1);
    for (int slot : missed)
        r.results[slot] = 0;
    r.answerSeconds = seconds;
    return korven::formatTrialRecord(r);
}

QList<QPointF> points(const korven::ui::ChartView *view, const char16_t *name)
{
    return korven::test::seriesPoints(view, QString::fromUtf16(name));
}

} // namespace

class TestAnalysisDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> fx;
    QString path;

    void writeRecords(const QStringList &records)
    {
        korven::writeFileAtomically(path, korven::linesToCp932(QStringList{korven::trialRecordHeader()} + records));
    }
    void showAndHide()
    {
        OKBottomDlg->show();
        OKBottomDlg->hide();
    }

private slots:
    void initTestCase() { korven::ui::installFonts(); } // the fonts the program shows

    void init()
    {
        // Problem 001 is female, 002 male.
        fx = std::make_unique<WindowFixture>(
            QStringList{korven::test::femaleProblem(10), korven::test::maleProblem(20)});
        Form1->UserId = User;
        QDir().mkpath(korven::userFolder(fx->folder.resultFolder(), User));
        path = korven::recordPath(fx->folder.resultFolder(), User);
        OKBottomDlg->setToday(Day);
    }
    void cleanup() { fx.reset(); }

    // Every showing rebuilds the charts and texts from the file: no point is added twice.
    void eachShowingStartsAfresh()
    {
        writeRecords({record(0, Day.addDays(-1), "001", {3}, 300), record(1, Day, "002", {}, 120),
                      record(2, Day, "002", {3, 45}, 47)});
        for (int showing = 0; showing < 2; ++showing) {
            showAndHide();
            QCOMPARE(OKBottomDlg->Label1->text(), QStringLiteral("Evaluation of trainee1"));
            QCOMPARE(points(OKBottomDlg->Chart1, korven::PerTrialSeriesName),
                     (QList<QPointF>{{0, 4500.0 / 46}, {1, 100}, {2, 4400.0 / 46}}));
            QCOMPARE(points(OKBottomDlg->Chart2, korven::AnswerTimeSeriesName), (QList<QPointF>{{0, 300}, {1, 120}, {2, 47}}));
            const QList<QPointF> bars = points(OKBottomDlg->Chart3, korven::PerSlotSeriesName);
            QCOMPARE(bars.size(), 46);
            QCOMPARE(bars.at(3), QPointF(3, 100.0 / 3));
            QCOMPARE(bars.at(45), QPointF(45, 200.0 / 3));
            QVERIFY(OKBottomDlg->Label6->text().startsWith(
                QStringLiteral("Today's evaluation (%1)  You have trained 2 times.\n\n"
                               "Weak point of chromosome of today (1miss / 2trials)\n 3\n\n")
                    .arg(korven::recordDateText(Day))));
            QVERIFY(OKBottomDlg->Label2->text().startsWith(
                QStringLiteral("Correct answer 1 / All trials 3\n\n\n\nAverage of answer time:  156 second")));
            QCOMPARE(OKBottomDlg->Label3->text(),
                     QStringLiteral("Question number which it is easy to get a wrong most\n\n　　　　　001 (Normal, female)"));
            QCOMPARE(OKBottomDlg->Label6->pos(), QPoint(440, 56));
            // Every point lies inside the axes' ranges (the time axis starts at 48 seconds).
            const korven::ChartAxis &trials = OKBottomDlg->Chart1->chart().x;
            QVERIFY(trials.min <= 0 && trials.max >= 2);
            const korven::ChartAxis &seconds = OKBottomDlg->Chart2->chart().y;
            QCOMPARE(seconds.min, 48.0);
            QVERIFY(seconds.max >= 300);
        }
        // The hidden grid holds the file's fields, the header row left empty.
        QAbstractItemModel *grid = OKBottomDlg->StringGrid1->model();
        QCOMPARE(grid->rowCount(), 4);
        QCOMPARE(grid->columnCount(), 50);
        QCOMPARE(grid->index(0, 0).data().toString(), QString());
        QCOMPARE(grid->index(3, 49).data().toString(), QStringLiteral("47"));
    }

    void noResults()
    {
        writeRecords({record(0, Day, "001", {}, 100)});
        showAndHide();
        writeRecords({});
        OKBottomDlg->show();
        QCOMPARE(OKBottomDlg->Label6->pos(), QPoint(440, 100));
        QCOMPARE(OKBottomDlg->Label6->text(), korven::noResultsNotice());
        QCOMPARE(OKBottomDlg->Label2->text(), QStringLiteral("correct 0 time / All trials 0 time"));
        QCOMPARE(OKBottomDlg->Label3->text(), QString());
        QCOMPARE(points(OKBottomDlg->Chart1, korven::PerTrialSeriesName), QList<QPointF>());
        QCOMPARE(points(OKBottomDlg->Chart2, korven::AnswerTimeSeriesName), QList<QPointF>());
        QCOMPARE(points(OKBottomDlg->Chart3, korven::PerSlotSeriesName), QList<QPointF>());
        QCOMPARE(OKBottomDlg->focusWidget(), OKBottomDlg->OKBtn);
        QVERIFY(fx->errors().isEmpty());
        OKBottomDlg->hide();

        // Trials recorded after that bring today's text back to its place, clear of the text below.
        writeRecords({record(0, Day, "001", {}, 100)});
        showAndHide();
        QCOMPARE(OKBottomDlg->Label6->pos(), QPoint(440, 56));
    }

    // Many weak slots make the all-trial text longer than the room above the problem text: it is
    // cut there, in whole lines, rather than drawn over it; a short list shows in full.
    void allTrialTextStaysAboveProblemText_data()
    {
        QTest::addColumn<int>("weakSlots"); // one trial missing slots 0 .. weakSlots-1
        QTest::addColumn<QString>("lastShown");
        QTest::newRow("one") << 1 << QStringLiteral("　   (number of mistakes)");
        QTest::newRow("twenty") << 20 << QStringLiteral(" 4 (1)   5 (1)   6 (1)   7 (1)");
    }
    void allTrialTextStaysAboveProblemText()
    {
        QFETCH(int, weakSlots);
        QFETCH(QString, lastShown);
        QList<int> missed;
        for (int slot = 0; slot < weakSlots; ++slot)
            missed << slot;
        writeRecords({record(0, Day, "001", missed, 100)});
        showAndHide();

        const QLabel *label2 = OKBottomDlg->Label2;
        const QString text = label2->text();
        QVERIFY(text.endsWith(QStringLiteral("(number of mistakes)\n\n\n"))); // the text stays whole
        QVERIFY(text.contains(lastShown));
        QVERIFY(label2->geometry().bottom() < OKBottomDlg->Label3->y());
        const QString shown = text.left(text.indexOf(lastShown) + lastShown.size());
        const int needed = label2->fontMetrics()
                               .boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, shown)
                               .height();
        QVERIFY2(label2->height() >= needed, qPrintable(QStringLiteral("%1 < %2").arg(label2->height()).arg(needed)));
    }

    // Every title is drawn whole: inside its chart and clear of the plot (the percentage titles
    // are longer than the plots are high on one line).
    void titlesWhole()
    {
        writeRecords({record(0, Day, "001", {3}, 300), record(1, Day, "002", {}, 120)});
        showAndHide();
        for (korven::ui::ChartView *view : {OKBottomDlg->Chart1, OKBottomDlg->Chart3, OKBottomDlg->Chart2}) {
            const korven::ui::ChartLayout layout = view->layout(view->rect());
            const QList<QPair<QString, QRectF>> titles{{view->chart().title, layout.title},
                                                       {view->chart().x.title, layout.bottomTitle},
                                                       {view->chart().y.title, layout.leftTitle}};
            for (const auto &[title, box] : titles) {
                const QString where = view->objectName() + QStringLiteral(": ") + title;
                QVERIFY2(!box.isEmpty() && QRectF(view->rect()).contains(box), qPrintable(where));
                QVERIFY2(!box.intersects(layout.plot), qPrintable(where));
            }
        }
    }

    // A file that cannot be read or a field that does not convert is reported with the file,
    // line and field; the texts of the last showing stay, the charts stay empty.
    void errorShown_data()
    {
        QTest::addColumn<bool>("removeFile");
        QTest::addColumn<QString>("where");
        QTest::newRow("bad answer time") << false << QStringLiteral(", line 3, field 50 (answer time): \"4x\"");
        QTest::newRow("file missing") << true << QString();
    }
    void errorShown()
    {
        QFETCH(bool, removeFile);
        QFETCH(QString, where);
        const QString good = record(0, Day, "001", {}, 100);
        writeRecords({good});
        showAndHide();
        const QString before = OKBottomDlg->Label2->text();

        if (removeFile)
            QVERIFY(QFile::remove(path));
        else
            writeRecords({good, record(1, Day, "001", {}, 100).replace(QRegularExpression("100$"), "4x")});
        showAndHide();

        QCOMPARE(fx->errors().size(), 1);
        const QString message = fx->errors().first();
        QVERIFY2(message.contains(QDir::toNativeSeparators(path) + where), qPrintable(message));
        QCOMPARE(OKBottomDlg->Label1->text(), QStringLiteral("Evaluation of trainee1"));
        QCOMPARE(OKBottomDlg->Label2->text(), before);
        QCOMPARE(points(OKBottomDlg->Chart1, korven::PerTrialSeriesName), QList<QPointF>());
    }
};

QTEST_MAIN(TestAnalysisDialog)
#include "test_analysis_dialog.moc"
