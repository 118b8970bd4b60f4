#pragma once
// korven-class's window: the class's table (filter by ID, sort by any column), the selected
// trainee's three charts from the analysis dialog and the class's mean score per pair; export
// and printing. It only reads the Result folder.
#include "analysis/ui/trial_charts.h"
#include "classroom/class_overview.h"
#include "classroom/class_print_layout.h"

#include <QDate>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;

namespace korven::ui {

class ClassTableModel;
class TraineeCasesView;

class ClassWindow : public QWidget {
    Q_OBJECT
public:
    // The least width of the trend, on screen and printed, in average characters.
    static constexpr int TrendChars = 12;

    explicit ClassWindow(QWidget *parent = nullptr);

    // Reads the class in `resultFolder` and shows it. Throws KorvenError when the folder cannot
    // be read; the window then keeps what it showed.
    void openFolder(const QString &resultFolder);
    const ClassOverview &overview() const { return overview_; }

    // Shows the charts of the trainee in the table's (sorted, filtered) row; -1 clears them.
    void selectRow(int row);

    // The exports, to the given files. Throw KorvenError when the file cannot be written or lies
    // in the Result folder.
    void exportTable(const QString &path);
    void exportTrials(const QString &path);
    // Prints the table on A4 (PDF files when there is no printer), then the selected trainee's
    // charts; failures are reported.
    void printTable();
    // The printed table's columns for the rows shown, in the largest type (set on `painter`) in
    // which they fit the painter's page.
    PrintColumns tablePrintColumns(QPainter &painter) const;

    // Where the truth of case records written before it was kept is looked up.
    void setCasesFolders(const QStringList &folders) { casesFolders_ = folders; }

    // The date taken as today; an invalid date (the default) means the current date.
    void setToday(const QDate &date) { today_ = date; }

    QPushButton *openButton = nullptr;
    QLabel *folderLabel = nullptr;
    QLineEdit *filter = nullptr;
    QPushButton *exportTableButton = nullptr;
    QPushButton *exportTrialsButton = nullptr;
    QPushButton *printButton = nullptr;
    QTableView *table = nullptr;
    QWidget *chartPanel = nullptr; // the trainee's label and charts and the class chart
    QLabel *traineeLabel = nullptr;
    TrialCharts charts;
    ChartView *classChart = nullptr;        // its bars: "ClassBars"
    QTabWidget *traineeTabs = nullptr;      // "TraineeTabs": the trainee's trials and cases
    TraineeCasesView *casesView = nullptr;

private:
    // The printed table's type, in points: the largest and the smallest tried.
    static constexpr int TablePoints = 9;
    static constexpr int SmallestTablePoints = 6;
    // The narrowest the ID column gets on screen, in average characters besides its mark.
    static constexpr int LeastIdChars = 8;

    bool eventFilter(QObject *watched, QEvent *event) override;
    void fitIdColumn();
    QDate today() const;
    std::vector<const TraineeSummary *> shownRows() const;
    void chooseFolder();
    void chooseExport(bool trials);
    void showTraineeCharts();
    void showTraineeCases(const QString &id);
    void fillClassChart();

    ClassOverview overview_;
    ClassTableModel *model_ = nullptr;
    QSortFilterProxyModel *proxy_ = nullptr;
    QDate today_;
    QStringList casesFolders_;
};

} // namespace korven::ui
