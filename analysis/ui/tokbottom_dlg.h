#pragma once
// The analysis dialog: three charts and the summaries of the trainee's trials, rebuilt from the
// trial record file every time the dialog is shown.
#include "analysis/ui/trial_charts.h"

#include <QDate>
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class QTextEdit;

namespace korven {
struct TrialStatistics;
}
class RecordGridModel;

class TOKBottomDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOKBottomDlg(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;        // "Evaluation of <ID>"
    QPushButton *OKBtn = nullptr;    // "Close"
    QPushButton *Button1 = nullptr;  // "Print"
    QPushButton *Button2 = nullptr;  // "Delete grades"
    // The charts hold their series by name: "Series2" in Chart1, "Series3" in Chart3, "Series1"
    // in Chart2.
    korven::ui::ChartView *Chart1 = nullptr; // correct percentage per trial
    korven::ui::ChartView *Chart3 = nullptr; // correct percentage per slot
    korven::ui::ChartView *Chart2 = nullptr; // answer time per trial
    QFrame *Bevel1 = nullptr;
    QFrame *Bevel2 = nullptr;
    QLabel *Label6 = nullptr;        // today's text, or the no-results notice
    QLabel *Label2 = nullptr;        // all trials
    QLabel *Label3 = nullptr;        // the most-missed problem
    QTableView *StringGrid1 = nullptr; // hidden: the record file's fields, row 0 (header) empty
    QTableWidget *StringGrid2 = nullptr; // hidden, unused
    QTextEdit *RichEdit1 = nullptr;      // hidden, unused
    QLabel *Label12 = nullptr;           // empty, unused
    QLabel *s = nullptr;                 // hidden image, unused

    // Fills the dialog from the current user's trial record file; runs at every showing.
    void FormShow();
    void OKBtnClick();
    void Button1Click(); // print the dialog
    void Button2Click(); // delete all results

    // The date taken as today; an invalid date (the default) means the current date.
    void setToday(const QDate &date) { today_ = date; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    korven::ui::TrialCharts charts_;
    RecordGridModel *gridModel_ = nullptr;
    QDate today_;
};

extern TOKBottomDlg *OKBottomDlg;
