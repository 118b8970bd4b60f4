// The class overview window offscreen on a crafted Result folder: sorting, filtering, the marks,
// the selected trainee's charts, the class chart, export and printing.
#include "analysis/trial_chart_values.h"
#include "analysis/ui/current_printer.h"
#include "forms/korven_application.h"
#include "forms/messages.h"
#include "class_fixture.h"
#include "classroom/class_csv.h"
#include "classroom/class_print_layout.h"
#include "classroom/ui/class_table_model.h"
#include "classroom/ui/class_window.h"
#include "classroom/ui/trainee_cases_view.h"
#include "cases/case_records.h"
#include "files/errors.h"
#include "users/id_rules.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "support/chart_points.h"
#include "support/file_bytes.h"

using namespace korven;
using korven::test::ClassFolder;
using korven::ui::ClassTableModel;
using korven::ui::ClassWindow;

namespace {

QStringList idsShown(const QTableView *table)
{
    QStringList ids;
    for (int r = 0; r < table->model()->rowCount(); ++r)
        ids << table->model()->index(r, ClassTableModel::Id).data().toString();
    return ids;
}

} // namespace

class TestClassWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<ClassFolder> fx;
    std::unique_ptr<ClassWindow> window;
    QStringList messages;

    QList<QPointF> perTrial() const
    {
        return korven::test::seriesPoints(window->charts.perTrial, QString::fromUtf16(PerTrialSeriesName));
    }
    QList<QPointF> perSlot() const
    {
        return korven::test::seriesPoints(window->charts.perSlot, QString::fromUtf16(PerSlotSeriesName));
    }

private slots:
    void initTestCase()
    {
        ui::installFonts();
        ui::setMessageHook([this](const QString &, const QString &, const QString &text) { messages << text; });
    }

    void init()
    {
        fx = std::make_unique<ClassFolder>();
        window = std::make_unique<ClassWindow>();
        window->setToday(korven::test::ClassToday);
        window->show();
        window->openFolder(fx->result());
        messages.clear();
    }
    void cleanup()
    {
        window.reset();
        fx.reset();
    }

    void selectedTraineesCasesByKind()
    {
        // alice has worked three cases: two numerical (one right, one with a wrong count), and
        // one written before the kind was kept, whose case folder is gone (its kind unknown).
        CaseRecord r;
        r.date = QDate(2024, 5, 2);
        r.time = QTime(10, 0);
        r.caseName = "case-01";
        r.countsGiven = r.countsTrue = {47};
        r.pieces = r.piecesRight = 47;
        r.karyotype = r.trueKaryotype = "47,XY,+21";
        r.kind = "numerical";
        r.verdict = "right";
        appendCaseRecord(caseRecordPath(fx->result(), "alice"), r);
        r.caseName = "case-03";
        r.time = QTime(11, 0);
        r.countsGiven = {46};
        r.elementsWrong = QStringList{"47"};
        appendCaseRecord(caseRecordPath(fx->result(), "alice"), r);
        r.caseName = "gone";
        r.time = QTime(12, 0);
        r.trueKaryotype.clear();
        r.kind.clear();
        appendCaseRecord(caseRecordPath(fx->result(), "alice"), r);
        window->openFolder(fx->result());
        window->table->sortByColumn(ClassTableModel::Id, Qt::AscendingOrder);
        window->selectRow(idsShown(window->table).indexOf("alice"));
        window->traineeTabs->setCurrentWidget(window->casesView);
        QTableWidget *kinds = window->casesView->kinds;
        QCOMPARE(kinds->rowCount(), 2);
        QStringList rows;
        for (int row = 0; row < kinds->rowCount(); ++row)
            rows << QStringLiteral("%1 %2 %3 %4").arg(kinds->item(row, 0)->text(), kinds->item(row, 1)->text(),
                                                        kinds->item(row, 2)->text(), kinds->item(row, 3)->text());
        QCOMPARE(rows, (QStringList{"unknown 0 0 1", "numerical 1 0 1"}));
        // Every evaluation, newest first, with its truth and the elements written wrong.
        QTableWidget *cases = window->casesView->cases;
        QCOMPARE(cases->rowCount(), 3);
        QCOMPARE(cases->item(0, 1)->text(), QStringLiteral("gone"));
        QCOMPARE(cases->item(1, 1)->text(), QStringLiteral("case-03"));
        QCOMPARE(cases->item(1, 5)->text(), QStringLiteral("47,XY,+21"));
        QCOMPARE(cases->item(1, 7)->text(), QStringLiteral("47"));
        // No trainee chosen: the view empties.
        window->selectRow(-1);
        QCOMPARE(cases->rowCount(), 0);
    }

    void fitsALowScreen()
    {
        // Its least size fits a 1366 x 768 screen with room for the frame and the taskbar.
        const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
        QVERIFY2(least.width() <= 1366 && least.height() <= 768 - 60,
                 qPrintable(QStringLiteral("%1x%2").arg(least.width()).arg(least.height())));
        const QSize available = window->screen()->availableGeometry().size();
        QVERIFY(window->frameGeometry().height() <= std::max(available.height(), 1000));
    }

    void sortedByMeanScoreARowShowsItsCharts()
    {
        window->table->sortByColumn(ClassTableModel::MeanScore, Qt::DescendingOrder);
        // 100.0, 97.8, 96.4, 95.7, then the rows without trials.
        QCOMPARE(idsShown(window->table).mid(0, 4), (QStringList{"花子", "dave", "alice", "bob"}));
        QCOMPARE(window->table->model()->index(2, ClassTableModel::MeanScore).data().toString(), QStringLiteral("96.4"));

        window->selectRow(2); // alice
        QCOMPARE(perTrial(), (QList<QPointF>{{0, 100.0}, {1, 4300.0 / 46}, {2, 4400.0 / 46}}));
        QCOMPARE(korven::test::seriesPoints(window->charts.answerTime, QString::fromUtf16(AnswerTimeSeriesName)),
                 (QList<QPointF>{{0, 300}, {1, 120}, {2, 90}}));
        QCOMPARE(perSlot().size(), 46);
        QCOMPARE(perSlot().at(0), QPointF(0, 200.0 / 3));
        QVERIFY(window->traineeLabel->text().contains(QStringLiteral("alice")));

        // A trainee without a readable file empties the charts again.
        window->table->sortByColumn(ClassTableModel::Id, Qt::AscendingOrder);
        window->selectRow(int(idsShown(window->table).indexOf(QStringLiteral("eve"))));
        QCOMPARE(perTrial(), QList<QPointF>());
        QCOMPARE(perSlot(), QList<QPointF>());
    }

    void sortKeysFollowTheColumns_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("ascending");
        QTest::newRow("last trial, by date") << int(ClassTableModel::LastDate)
                                             << QStringList{"bob", "alice", "dave", "花子"};
        QTest::newRow("mean time") << int(ClassTableModel::MeanTime) << QStringList{"花子", "bob", "dave", "alice"};
    }

    void sortKeysFollowTheColumns()
    {
        QFETCH(int, column);
        window->table->sortByColumn(column, Qt::AscendingOrder);
        QStringList withTrials;
        for (const QString &id : idsShown(window->table)) {
            if (id != QLatin1String("carol") && id != QLatin1String("eve") && id != QLatin1String("gina"))
                withTrials << id;
        }
        QTEST(withTrials, "ascending");
    }

    void filterAndMarks()
    {
        window->filter->setText(QStringLiteral("A"));
        QCOMPARE(idsShown(window->table), (QStringList{"alice", "carol", "dave", "gina"}));
        window->filter->setText(QStringLiteral("花"));
        QCOMPARE(idsShown(window->table), (QStringList{"花子"}));
        // IDs are kept composed; typed decomposed ("ぎ" as "き" and a combining voiced mark) the
        // filter still finds one.
        QVERIFY(QDir().mkpath(korven::userFolder(fx->result(), QString::fromUtf16(u"\u304e\u3093"))));
        window->openFolder(fx->result());
        window->filter->setText(QString::fromUtf16(u"\u304d\u3099"));
        QCOMPARE(idsShown(window->table), (QStringList{QString::fromUtf16(u"\u304e\u3093")}));
        window->filter->clear();

        const QAbstractItemModel *model = window->table->model();
        const int dave = int(idsShown(window->table).indexOf(QStringLiteral("dave")));
        QVERIFY(model->index(dave, ClassTableModel::Trials).data(Qt::ToolTipRole).toString().contains(QStringLiteral("line 3")));
        QVERIFY(!model->index(dave, ClassTableModel::Id).data(Qt::DecorationRole).isNull());
        QVERIFY(model->index(0, ClassTableModel::Id).data(Qt::DecorationRole).isNull()); // alice
    }

    void longIdLeavesRoomForTheTrend()
    {
        // A short ID is shown whole; the longest ID that can be created gives way to the trend,
        // elided, and whole in its tooltip.
        const QFontMetrics metrics = window->table->fontMetrics();
        QVERIFY(window->table->columnWidth(ClassTableModel::Id) > metrics.horizontalAdvance(QStringLiteral("花子")));
        const QString longId = QString(MaxIdBytes, QLatin1Char('n'));
        fx->writeRecords(longId, {korven::test::classRecord(1, korven::test::ClassYesterday, "001", {}, 120)});
        window->openFolder(fx->result());
        QVERIFY(window->table->columnWidth(ClassTableModel::Id) < metrics.horizontalAdvance(longId));
        QVERIFY2(window->table->columnWidth(ClassTableModel::Trend) >= metrics.averageCharWidth() * ClassWindow::TrendChars,
                 qPrintable(QString::number(window->table->columnWidth(ClassTableModel::Trend))));
        const int row = int(idsShown(window->table).indexOf(longId));
        QCOMPARE(window->table->model()->index(row, ClassTableModel::Id).data(Qt::ToolTipRole).toString(), longId);
    }

    void classChartHasEveryPair()
    {
        const QList<QPointF> bars = korven::test::seriesPoints(window->classChart, QStringLiteral("ClassBars"));
        QCOMPARE(bars.size(), PairCount);
        QCOMPARE(bars.at(22), QPointF(22, 9 * 100.0 / 14));
        QCOMPARE(window->classChart->chart().x.categories.size(), PairCount);
    }

    void exportsAndRefusals()
    {
        const QString table = fx->dir.filePath(QStringLiteral("class.csv"));
        window->exportTable(table);
        QCOMPARE(korven::test::readBytes(table), classTableCsv(window->overview()));
        const QString trials = fx->dir.filePath(QStringLiteral("trials.csv"));
        window->exportTrials(trials);
        QCOMPARE(korven::test::readBytes(trials).count('\n'), 8);

        const QString inside = fx->result() + QStringLiteral("/alice/x.csv");
        QVERIFY_THROWS_EXCEPTION(KorvenError, window->exportTable(inside));
        QVERIFY(!QFile::exists(inside));
        // A folder that cannot be read leaves the class shown.
        QVERIFY_THROWS_EXCEPTION(KorvenError, window->openFolder(fx->dir.filePath(QStringLiteral("none"))));
        QCOMPARE(window->table->model()->rowCount(), 7);
    }

    void printsToPdfWithoutPrinter()
    {
        ui::setPdfOutputFolder(fx->dir.filePath(QStringLiteral("pdf")));
        window->printTable();
        const QStringList files = QDir(fx->dir.filePath(QStringLiteral("pdf"))).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QVERIFY(files.first().endsWith(QStringLiteral(".pdf")));
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().contains(files.first()));
        QVERIFY(QFileInfo(QDir(fx->dir.filePath(QStringLiteral("pdf"))).filePath(files.first())).size() > 1000);
    }

    void printLayout_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pageHeight");
        QTest::addColumn<int>("lineHeight");
        QTest::addColumn<int>("headingLines");
        QTest::addColumn<int>("perPage");
        QTest::addColumn<int>("pages");
        QTest::newRow("none still prints the header") << 0 << 1000 << 100 << 1 << 6 << 1;
        QTest::newRow("exactly one page") << 6 << 1000 << 100 << 1 << 6 << 1;
        QTest::newRow("one more") << 7 << 1000 << 100 << 1 << 6 << 2;
        QTest::newRow("a heading of two lines takes a row") << 6 << 1000 << 100 << 2 << 5 << 2;
        QTest::newRow("tiny page takes one row") << 3 << 100 << 100 << 1 << 1 << 3;
    }

    void printLayout()
    {
        QFETCH(int, rows);
        QFETCH(int, pageHeight);
        QFETCH(int, lineHeight);
        QFETCH(int, headingLines);
        const int perPage = rowsPerPage(pageHeight, lineHeight, headingLines);
        QTEST(perPage, "perPage");
        QTEST(pageCount(rows, perPage), "pages");
    }

    // On an A4 page every heading and every cell of the printed table fits its column whole, and
    // no column is wider than its texts but the trend, which takes the rest.
    void printedColumnsFitTheirTexts_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("crafted class") << "crafted";
        QTest::newRow("mixed locales") << "mixed";
    }

    void printedColumnsFitTheirTexts()
    {
        QFETCH(QString, folder);
        if (folder == QLatin1String("mixed"))
            window->openFolder(fx->writeMixedClass());
        QPdfWriter pdf(fx->dir.filePath(QStringLiteral("page.pdf")));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&pdf);
        const PrintColumns columns = window->tablePrintColumns(painter);
        const QFontMetricsF metrics(painter.font(), &pdf);
        QVERIFY(columns.fits);
        QCOMPARE(columns.lefts.size(), ClassTableModel::ColumnCount + 1);
        QCOMPARE(columns.lefts.last(), pdf.width());
        QVERIFY(headingLineCount(columns) <= 2);
        const QAbstractItemModel *model = window->table->model();
        for (int column = 0; column < ClassTableModel::ColumnCount; ++column) {
            const int room = columns.lefts[column + 1] - columns.lefts[column] - columns.gap;
            const QString heading = model->headerData(column, Qt::Horizontal).toString();
            QCOMPARE(columns.headings[size_t(column)].join(u' ').remove(u' '), QString(heading).remove(u' '));
            int widest = 0;
            for (const QString &line : columns.headings[size_t(column)])
                widest = std::max(widest, int(std::ceil(metrics.horizontalAdvance(line))));
            for (int r = 0; r < model->rowCount(); ++r) {
                const QString cell = model->index(r, column).data().toString()
                                   + (column == ClassTableModel::Id && !model->index(r, ClassTableModel::Trials).data(Qt::ToolTipRole).isNull()
                                          ? QStringLiteral(" (!)") : QString());
                widest = std::max(widest, int(std::ceil(metrics.horizontalAdvance(cell))));
                // What the page draws: the text whole, not shortened with an ellipsis.
                QCOMPARE(painter.fontMetrics().elidedText(cell, Qt::ElideRight, room), cell);
            }
            QVERIFY2(widest <= room, qPrintable(QStringLiteral("%1: %2 > %3").arg(heading).arg(widest).arg(room)));
            if (column != ClassTableModel::Trend)
                QCOMPARE(room, widest);
        }
        painter.end();
    }

    // The selected trainee's charts follow the table on the printed page.
    void printsTheSelectedTraineesCharts()
    {
        const QString folder = fx->dir.filePath(QStringLiteral("pdf"));
        ui::setPdfOutputFolder(folder);
        window->printTable();
        const QFileInfoList tableOnly = QDir(folder).entryInfoList(QDir::Files);
        QCOMPARE(tableOnly.size(), 1);
        window->selectRow(0);
        window->printTable();
        QFileInfoList both = QDir(folder).entryInfoList(QDir::Files);
        both.removeIf([&](const QFileInfo &file) { return file == tableOnly.first(); });
        QCOMPARE(both.size(), 1);
        // The charts are a picture: that document is many times the table's alone.
        QVERIFY2(both.first().size() > 4 * tableOnly.first().size(),
                 qPrintable(QStringLiteral("%1 / %2").arg(both.first().size()).arg(tableOnly.first().size())));
    }

    // Trainees' desktops wrote their dates in five locales: the table shows them in one form,
    // sorts them as dates and counts the last seven days.
    void mixedClassShowsAndSortsDates()
    {
        window->setToday(korven::test::MixedToday);
        window->openFolder(fx->writeMixedClass());
        window->table->sortByColumn(ClassTableModel::LastDate, Qt::AscendingOrder);
        QCOMPARE(idsShown(window->table).mid(0, 3), (QStringList{"de_de", "en_us", "en_gb"}));
        const QAbstractItemModel *model = window->table->model();
        QCOMPARE(model->index(1, ClassTableModel::LastDate).data().toString(), QStringLiteral("2026-12-04"));
        QCOMPARE(model->headerData(ClassTableModel::LastWeek, Qt::Horizontal).toString(), QStringLiteral("Last 7 days"));
        QCOMPARE(model->index(1, ClassTableModel::LastWeek).data().toString(), QStringLiteral("1"));
        window->table->sortByColumn(ClassTableModel::LastWeek, Qt::DescendingOrder);
        QCOMPARE(idsShown(window->table).mid(0, 2), (QStringList{"c_posix", "ja_jp"}));
    }
};

QTEST_MAIN(TestClassWindow)
#include "test_class_window.moc"
