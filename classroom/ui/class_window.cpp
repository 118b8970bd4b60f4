#include "classroom/ui/class_window.h"

#include "analysis/ui/current_printer.h"
#include "app/ui/korven_application.h"
#include "app/ui/messages.h"
#include "classroom/class_arguments.h"
#include "classroom/class_csv.h"
#include "classroom/class_print_layout.h"
#include "classroom/ui/class_table_model.h"
#include "exercise/errors.h"
#include "users/trial_records.h"
#include "users/user_files.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QValueAxis>
#include <QVBoxLayout>

namespace korven::ui {

ClassWindow::ClassWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ClassWindow"));
    setWindowTitle(tr("Class overview(KORVEN)"));
    resize(1240, 1000);

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

    auto *chartPanel = new QWidget(this);
    traineeLabel = new QLabel(chartPanel);
    traineeLabel->setTextFormat(Qt::PlainText);
    QFont big = font();
    big.setPixelSize(16);
    traineeLabel->setFont(big);
    charts = makeTrialCharts(chartPanel, QRect(), QRect(), QRect());
    classChart = makeChart(chartPanel, QStringLiteral("ClassChart"), QRect(),
                           tr("Class: percentage of correct per chromosome pair (all trials)"));
    auto *pairs = new QBarCategoryAxis;
    for (int pair = 1; pair <= PairCount; ++pair)
        pairs->append(pair == SexPair ? QStringLiteral("XY") : pairText(pair)); // "X/Y" is cut short there
    // A smaller type keeps the two-digit pairs whole in a chart of 23 bars.
    QFont pairFont = chartFont();
    pairFont.setPixelSize(8);
    pairs->setLabelsFont(pairFont);
    pairs->setLabelsColor(Qt::black);
    pairs->setTitleText(tr("Chromosome pair"));
    pairs->setTitleFont(chartFont());
    pairs->setTitleBrush(Qt::black);
    classChart->chart()->addAxis(pairs, Qt::AlignBottom);
    auto *percent = makeAxis(classChart->chart(), Qt::AlignLeft, tr("percentage of correct answers(%)"));
    setFixedRange(percent, 0, 100, 20);
    auto *classBars = new QBarSeries;
    classBars->setBarWidth(0.7);
    classValues = new QBarSet(tr("Class"));
    classValues->setColor(Qt::black);
    classValues->setBorderColor(Qt::black);
    classBars->append(classValues);
    classChart->chart()->addSeries(classBars);
    classBars->attachAxis(pairs);
    classBars->attachAxis(percent);

    auto *grid = new QGridLayout(chartPanel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(traineeLabel, 0, 0, 1, 2);
    grid->addWidget(charts.perTrial, 1, 0);
    grid->addWidget(charts.perSlot, 1, 1);
    grid->addWidget(charts.answerTime, 2, 0);
    grid->addWidget(classChart, 2, 1);
    for (QChartView *view : {charts.perTrial, charts.perSlot, charts.answerTime, classChart})
        view->setMinimumSize(300, 170);

    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(table);
    split->addWidget(chartPanel);
    split->setChildrenCollapsible(false);
    split->setSizes({380, 560});

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(split, 1);

    connect(openButton, &QPushButton::clicked, this, [this] { guarded([this] { chooseFolder(); }); });
    connect(filter, &QLineEdit::textChanged, proxy_, &QSortFilterProxyModel::setFilterFixedString);
    connect(exportTableButton, &QPushButton::clicked, this, [this] { guarded([this] { chooseExport(false); }); });
    connect(exportTrialsButton, &QPushButton::clicked, this, [this] { guarded([this] { chooseExport(true); }); });
    connect(printButton, &QPushButton::clicked, this, [this] { printTable(); });
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showTraineeCharts(); });
    selectRow(-1);
}

QString ClassWindow::todayText() const
{
    return recordDateText(today_.isValid() ? today_ : QDate::currentDate());
}

void ClassWindow::openFolder(const QString &resultFolder)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ClassOverview loaded;
    try {
        loaded = loadClass(resultFolder, todayText());
    } catch (...) {
        QGuiApplication::restoreOverrideCursor();
        throw;
    }
    overview_ = std::move(loaded);
    model_->setTrainees(overview_.trainees);
    folderLabel->setText(tr("%n trainee(s) in %1", nullptr, int(overview_.trainees.size()))
                             .arg(QDir::toNativeSeparators(resultFolder)));
    fillClassChart();
    selectRow(-1);
    QGuiApplication::restoreOverrideCursor();
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
        return;
    }
    const TraineeSummary &row = model_->trainee(current.row());
    const RecordFileReading reading = readRecordFile(recordPath(overview_.resultFolder, row.id), todayText());
    traineeLabel->setText(tr("Evaluation of %1").arg(row.id));
    if (reading.stats)
        charts.fill(*reading.stats);
}

void ClassWindow::fillClassChart()
{
    if (classValues->count() > 0)
        classValues->remove(0, classValues->count());
    if (overview_.trials == 0)
        return;
    const auto percentages = classPairPercentages(overview_);
    classValues->append(QList<qreal>(percentages.begin(), percentages.end()));
}

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
        writeFileAtomically(path, [&](const ByteSink &out) { writeTrialsCsv(overview_, todayText(), out); });
    } catch (...) {
        QGuiApplication::restoreOverrideCursor();
        throw;
    }
    QGuiApplication::restoreOverrideCursor();
}

void ClassWindow::printTable()
{
    if (!forceA4Portrait()) {
        showMessage(this, QStringLiteral("KORVEN"),
                    tr(" We cannot print this result since we cannot change paper size into A4. "));
        return;
    }
    // The rows in the order and selection the table shows.
    std::vector<const TraineeSummary *> rows;
    for (int r = 0; r < proxy_->rowCount(); ++r)
        rows.push_back(&model_->trainee(proxy_->mapToSource(proxy_->index(r, 0)).row()));

    QString pdfPath;
    try {
        const QDateTime now = QDateTime::currentDateTime();
        PrintDocument document(QStringLiteral("class"), QFileInfo(overview_.resultFolder).dir().dirName(), now);
        QPainter &painter = document.painter();
        QFont font = painter.font();
        font.setPointSize(9);
        painter.setFont(font);
        const int lineHeight = painter.fontMetrics().height() * 3 / 2;
        const int pageHeight = painter.device()->height();
        const QList<int> lefts = tableColumnLefts(0, document.pageWidth());
        const int perPage = rowsPerPage(pageHeight, lineHeight);
        const QString title = tr("Class overview: %1   %2")
                                  .arg(QDir::toNativeSeparators(overview_.resultFolder), QLocale().toString(now, QLocale::ShortFormat));
        const int pages = pageCount(int(rows.size()), perPage);
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                document.newPage();
            int y = 0;
            painter.drawText(QRect(0, y, document.pageWidth(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             title + QStringLiteral("   %1/%2").arg(page + 1).arg(pages));
            y += 2 * lineHeight;
            auto cell = [&](int column, const QString &text) {
                const QRect box(lefts[column], y, lefts[column + 1] - lefts[column] - lineHeight / 3, lineHeight);
                const Qt::Alignment align = column == ClassTableModel::Id || column == ClassTableModel::LastDate
                                              ? Qt::AlignLeft : Qt::AlignRight;
                painter.drawText(box, align | Qt::AlignVCenter,
                                 painter.fontMetrics().elidedText(text, Qt::ElideRight, box.width()));
            };
            for (int column = 0; column < ClassTableModel::ColumnCount; ++column)
                cell(column, model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
            y += lineHeight;
            painter.drawLine(0, y, document.pageWidth(), y);
            const int first = page * perPage;
            const int last = std::min(int(rows.size()), first + perPage);
            for (int r = first; r < last; ++r) {
                const TraineeSummary &row = *rows[size_t(r)];
                for (int column = 0; column < ClassTableModel::Trend; ++column)
                    cell(column, ClassTableModel::cellText(row, column) + (column == ClassTableModel::Id && !row.mark.isEmpty() ? QStringLiteral(" (!)") : QString()));
                drawTrend(&painter, QRectF(lefts[ClassTableModel::Trend], y, lefts[ClassTableModel::Trend + 1] - lefts[ClassTableModel::Trend], lineHeight),
                          QList<int>(row.recentScores.begin(), row.recentScores.end()));
                y += lineHeight;
            }
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
