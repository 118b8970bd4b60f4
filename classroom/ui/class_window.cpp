#include "classroom/ui/class_window.h"

#include "analysis/ui/current_printer.h"
#include "forms/korven_application.h"
#include "forms/messages.h"
#include "classroom/class_arguments.h"
#include "classroom/class_chart.h"
#include "classroom/class_csv.h"
#include "classroom/class_print_layout.h"
#include "cases/case_layout.h"
#include "classroom/ui/class_table_model.h"
#include "classroom/ui/trainee_cases_view.h"
#include "files/errors.h"
#include "users/user_files.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QScreen>
#include <QVBoxLayout>

namespace korven::ui {

ClassWindow::ClassWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ClassWindow"));
    setWindowTitle(tr("Class overview(KORVEN)"));
    // Its usual size, but no larger than the screen it opens on (1366 x 768 among them).
    resize(openingSize(QSize(1240, 1000), screen()->availableGeometry().size()));

    openButton = new QPushButton(tr("Open folder..."), this);
    folderLabel = new QLabel(this);
    folderLabel->setTextFormat(Qt::PlainText);
    filter = new QLineEdit(this);
    filter->setPlaceholderText(tr("Filter by ID"));
    filter->setClearButtonEnabled(true);
    filter->setMaximumWidth(200);
    exportTableButton = new QPushButton(tr("Export table..."), this);
    exportTrialsButton = new QPushButton(tr("Export trials..."), this);
    printButton = new QPushButton(tr("Print..."), this);

    auto *bar = new QHBoxLayout;
    bar->addWidget(openButton);
    bar->addWidget(folderLabel, 1);
    bar->addWidget(filter);
    bar->addWidget(exportTableButton);
    bar->addWidget(exportTrialsButton);
    bar->addWidget(printButton);

    model_ = new ClassTableModel(this);
    proxy_ = new QSortFilterProxyModel(this);
    proxy_->setSourceModel(model_);
    proxy_->setSortRole(ClassTableModel::SortRole);
    proxy_->setFilterKeyColumn(ClassTableModel::Id);
    proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    table = new QTableView(this);
    table->setObjectName(QStringLiteral("ClassTable"));
    table->setModel(proxy_);
    table->setSortingEnabled(true);
    table->sortByColumn(ClassTableModel::Id, Qt::AscendingOrder);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(22);
    table->setItemDelegateForColumn(ClassTableModel::Trend, new TrendDelegate(table));
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(ClassTableModel::Trend, QHeaderView::Stretch);
    // IDs may be long: their column is fitted by fitIdColumn, a long ID elided in the middle and
    // whole in its tooltip; the user can still widen it.
    table->horizontalHeader()->setSectionResizeMode(ClassTableModel::Id, QHeaderView::Interactive);
    table->viewport()->installEventFilter(this);
    connect(table->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column != ClassTableModel::Id && column != ClassTableModel::Trend)
            fitIdColumn();
    });
    table->setTextElideMode(Qt::ElideMiddle);

    chartPanel = new QWidget(this);
    traineeLabel = new QLabel(chartPanel);
    traineeLabel->setTextFormat(Qt::PlainText);
    QFont big = font();
    big.setPixelSize(16);
    traineeLabel->setFont(big);
    charts = makeTrialCharts(chartPanel, QRect(), QRect(), QRect());
    classChart = new ChartView(chartPanel);
    classChart->setObjectName(QStringLiteral("ClassChart"));
    classChart->setChart(classPairChart(overview_));

    auto *grid = new QGridLayout(chartPanel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(traineeLabel, 0, 0, 1, 2);
    grid->addWidget(charts.perTrial, 1, 0);
    grid->addWidget(charts.perSlot, 1, 1);
    grid->addWidget(charts.answerTime, 2, 0);
    grid->addWidget(classChart, 2, 1);
    for (ChartView *view : {charts.perTrial, charts.perSlot, charts.answerTime, classChart})
        view->setMinimumSize(300, 170);

    // The trainee's trials and cases share the lower half, a tab each, so the window fits a low
    // screen.
    casesView = new TraineeCasesView(this);
    traineeTabs = new QTabWidget(this);
    traineeTabs->setObjectName(QStringLiteral("TraineeTabs"));
    traineeTabs->addTab(chartPanel, tr("Trials"));
    traineeTabs->addTab(casesView, tr("Cases"));
    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(table);
    split->addWidget(traineeTabs);
    split->setChildrenCollapsible(false);
    split->setSizes({380, 560});

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(split, 1);

    connect(openButton, &QPushButton::clicked, this, [this] { guarded([this] { chooseFolder(); }); });
    // IDs are kept in NFC; a filter typed in another form (a decomposed "é") still finds them.
    connect(filter, &QLineEdit::textChanged, proxy_,
            [this](const QString &text) { proxy_->setFilterFixedString(text.normalized(QString::NormalizationForm_C)); });
    connect(exportTableButton, &QPushButton::clicked, this, [this] { guarded([this] { chooseExport(false); }); });
    connect(exportTrialsButton, &QPushButton::clicked, this, [this] { guarded([this] { chooseExport(true); }); });
    connect(printButton, &QPushButton::clicked, this, [this] { printTable(); });
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showTraineeCharts(); });
    selectRow(-1);
}

QDate ClassWindow::today() const
{
    return today_.isValid() ? today_ : QDate::currentDate();
}

void ClassWindow::openFolder(const QString &resultFolder)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ClassOverview loaded;
    try {
        loaded = loadClass(resultFolder, today());
    } catch (...) {
        QGuiApplication::restoreOverrideCursor();
        throw;
    }
    overview_ = std::move(loaded);
    model_->setTrainees(overview_.trainees);
    fitIdColumn();
    folderLabel->setText(tr("%n trainee(s) in %1", nullptr, int(overview_.trainees.size()))
                             .arg(QDir::toNativeSeparators(resultFolder)));
    fillClassChart();
    selectRow(-1);
    QGuiApplication::restoreOverrideCursor();
}

bool ClassWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == table->viewport() && event->type() == QEvent::Resize)
        fitIdColumn();
    return QWidget::eventFilter(watched, event);
}

// The ID column is as wide as its longest ID, but gives way first when the table is narrow, so the
// trend keeps the width it needs to be read.
void ClassWindow::fitIdColumn()
{
    const QHeaderView *header = table->horizontalHeader();
    const QAbstractItemView *view = table; // where the contents' width hint is public
    int others = 0;
    for (int column = 0; column < ClassTableModel::ColumnCount; ++column) {
        if (column != ClassTableModel::Id && column != ClassTableModel::Trend)
            others += header->sectionSize(column);
    }
    const int wanted = std::max(header->sectionSizeHint(ClassTableModel::Id), view->sizeHintForColumn(ClassTableModel::Id));
    const int chars = table->fontMetrics().averageCharWidth();
    const int room = table->viewport()->width() - others - chars * TrendChars;
    const int least = chars * LeastIdChars + table->style()->pixelMetric(QStyle::PM_SmallIconSize);
    table->setColumnWidth(ClassTableModel::Id, std::min(wanted, std::max(room, least)));
}

void ClassWindow::selectRow(int row)
{
    if (row < 0 || row >= proxy_->rowCount()) {
        table->clearSelection();
        table->setCurrentIndex(QModelIndex());
    } else {
        table->selectRow(row);
    }
    showTraineeCharts();
}

void ClassWindow::showTraineeCharts()
{
    charts.clear();
    const QModelIndex current = proxy_->mapToSource(table->currentIndex());
    if (!current.isValid()) {
        traineeLabel->setText(tr("Select a trainee to see the charts of the trials."));
        showTraineeCases(QString());
        return;
    }
    const TraineeSummary &row = model_->trainee(current.row());
    const RecordFileReading reading = readRecordFile(recordPath(overview_.resultFolder, row.id), today());
    traineeLabel->setText(tr("Evaluation of %1").arg(row.id));
    if (reading.stats)
        charts.fill(*reading.stats);
    showTraineeCases(row.id);
}

void ClassWindow::showTraineeCases(const QString &id)
{
    if (id.isEmpty()) {
        casesView->showTrainee(QString(), {});
        return;
    }
    try {
        const QString path = caseRecordPath(overview_.resultFolder, id);
        const CaseRecords read = readCaseRecords(path);
        casesView->showTrainee(id, traineeCases(read.records, caseTruths(casesFolders_)), caseRecordsFault(path, read));
    } catch (const KorvenError &e) {
        casesView->showFault(id, e.message());
    }
}

void ClassWindow::fillClassChart() { classChart->setChart(classPairChart(overview_)); }

void ClassWindow::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Open a Result folder"), overview_.resultFolder);
    if (!folder.isEmpty())
        openFolder(folder);
}

void ClassWindow::chooseExport(bool trials)
{
    const QString name = trials ? QStringLiteral("class-trials.csv") : QStringLiteral("class.csv");
    const QString start = QDir(QFileInfo(overview_.resultFolder).absolutePath()).filePath(name);
    const QString path = QFileDialog::getSaveFileName(this, trials ? tr("Export all trials") : tr("Export the table"),
                                                      start, tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (trials)
        exportTrials(path);
    else
        exportTable(path);
}

namespace {

void refuseResultFolder(const QString &path, const QString &resultFolder)
{
    if (isInsideFolder(path, resultFolder))
        throw KorvenError(QCoreApplication::translate("ClassWindow", "%1 lies in the Result folder, which is only read.")
                              .arg(QDir::toNativeSeparators(path)));
}

} // namespace

void ClassWindow::exportTable(const QString &path)
{
    refuseResultFolder(path, overview_.resultFolder);
    writeFileAtomically(path, classTableCsv(overview_));
}

void ClassWindow::exportTrials(const QString &path)
{
    refuseResultFolder(path, overview_.resultFolder);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        writeFileAtomically(path, [&](const ByteSink &out) { writeTrialsCsv(overview_, today(), out); });
    } catch (...) {
        QGuiApplication::restoreOverrideCursor();
        throw;
    }
    QGuiApplication::restoreOverrideCursor();
}

std::vector<const TraineeSummary *> ClassWindow::shownRows() const
{
    std::vector<const TraineeSummary *> rows;
    for (int r = 0; r < proxy_->rowCount(); ++r)
        rows.push_back(&model_->trainee(proxy_->mapToSource(proxy_->index(r, 0)).row()));
    return rows;
}

namespace {

// A cell as printed: the table's text, and a mark after the ID of a row the table marks.
QString printedCell(const TraineeSummary &row, int column)
{
    if (column == ClassTableModel::Trend)
        return QString();
    return ClassTableModel::cellText(row, column)
         + (column == ClassTableModel::Id && !row.mark.isEmpty() ? QStringLiteral(" (!)") : QString());
}

} // namespace

PrintColumns ClassWindow::tablePrintColumns(QPainter &painter) const
{
    QStringList headings;
    for (int column = 0; column < ClassTableModel::ColumnCount; ++column)
        headings << model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    std::vector<QStringList> cells;
    for (const TraineeSummary *row : shownRows()) {
        QStringList texts;
        for (int column = 0; column < ClassTableModel::ColumnCount; ++column)
            texts << printedCell(*row, column);
        cells.push_back(texts);
    }
    // The largest type in which every column takes its texts whole.
    PrintColumns columns;
    for (int points = TablePoints; points >= SmallestTablePoints; --points) {
        QFont font = painter.font();
        font.setPointSize(points);
        painter.setFont(font);
        const QFontMetricsF metrics(font, painter.device());
        columns = fitTableColumns(metrics, headings, cells, ClassTableModel::Trend,
                                  int(metrics.averageCharWidth() * TrendChars), 0, painter.device()->width());
        if (columns.fits)
            break;
    }
    return columns;
}

void ClassWindow::printTable()
{
    if (!forceA4Portrait()) {
        showMessage(this, QStringLiteral("KORVEN"),
                    tr(" We cannot print this result since we cannot change paper size into A4. "));
        return;
    }
    // The rows in the order and selection the table shows.
    const std::vector<const TraineeSummary *> rows = shownRows();
    const bool withCharts = table->currentIndex().isValid();

    QString pdfPath;
    try {
        const QDateTime now = QDateTime::currentDateTime();
        PrintDocument document(QStringLiteral("class"), QFileInfo(overview_.resultFolder).dir().dirName(), now);
        QPainter &painter = document.painter();
        const PrintColumns columns = tablePrintColumns(painter);
        const QList<int> &lefts = columns.lefts;
        const int lineHeight = painter.fontMetrics().height() * 3 / 2;
        const int headingHeight = painter.fontMetrics().height() * (headingLineCount(columns) - 1) + lineHeight;
        const int pageHeight = painter.device()->height();
        const int perPage = rowsPerPage(pageHeight, lineHeight, headingLineCount(columns));
        const QString title = tr("Class overview: %1   %2")
                                  .arg(QDir::toNativeSeparators(overview_.resultFolder), QLocale().toString(now, QLocale::ShortFormat));
        const int pages = pageCount(int(rows.size()), perPage);
        auto alignment = [](int column) {
            return column == ClassTableModel::Id || column == ClassTableModel::LastDate || column == ClassTableModel::Trend
                       ? Qt::AlignLeft : Qt::AlignRight;
        };
        int y = 0;
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                document.newPage();
            y = 0;
            painter.drawText(QRect(0, y, document.pageWidth(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             title + QStringLiteral("   %1/%2").arg(page + 1).arg(pages));
            y += 2 * lineHeight;
            for (int column = 0; column < ClassTableModel::ColumnCount; ++column) {
                const QRect box(lefts[column], y, lefts[column + 1] - lefts[column] - columns.gap, headingHeight);
                const QString heading = columns.headings[size_t(column)].join(u'\n');
                painter.drawText(box, alignment(column) | Qt::AlignBottom, heading);
            }
            y += headingHeight;
            painter.drawLine(0, y, document.pageWidth(), y);
            const int first = page * perPage;
            const int last = std::min(int(rows.size()), first + perPage);
            for (int r = first; r < last; ++r) {
                const TraineeSummary &row = *rows[size_t(r)];
                for (int column = 0; column < ClassTableModel::ColumnCount; ++column) {
                    const QRect box(lefts[column], y, lefts[column + 1] - lefts[column] - columns.gap, lineHeight);
                    painter.drawText(box, alignment(column) | Qt::AlignVCenter,
                                     painter.fontMetrics().elidedText(printedCell(row, column), Qt::ElideRight, box.width()));
                }
                drawTrend(&painter, QRectF(lefts[ClassTableModel::Trend], y, lefts[ClassTableModel::Trend + 1] - lefts[ClassTableModel::Trend] - columns.gap, lineHeight),
                          QList<int>(row.recentScores.begin(), row.recentScores.end()));
                y += lineHeight;
            }
        }
        if (withCharts) {
            // The selected trainee's charts as the window shows them, under the table or on a
            // page of their own, across the page's width.
            const QImage picture = chartPanel->grab().toImage();
            QSizeF size(document.pageWidth(), document.pageWidth() * double(picture.height()) / picture.width());
            size.scale(size.boundedTo(QSizeF(document.pageWidth(), pageHeight)), Qt::KeepAspectRatio);
            y += lineHeight;
            if (y + size.height() > pageHeight) {
                document.newPage();
                y = 0;
            }
            painter.drawImage(QRectF(QPointF(0, y), size), picture);
        }
        pdfPath = document.finish();
    } catch (const KorvenError &e) {
        reportError(e.message());
        return;
    }
    if (!pdfPath.isEmpty())
        tellPdfWritten(this, pdfPath);
}

} // namespace korven::ui
